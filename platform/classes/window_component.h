#pragma once
// A part of a window that takes part in its event dispatch: browse lists, drop
// lists, the column-sort and auto-size objects, date and file buttons, the
// toolbar target and the resizer.

#include "platform/runtime/error_messages.h"
#include "platform/ui/event.h"

namespace vx::classes {

using rt::Level;

class WindowComponent {
public:
    virtual ~WindowComponent() = default;

    // Before the window's own handlers see the event. A list loads the row the
    // user moved to here, so every handler works on the row shown highlighted.
    // True when the component took the event and it must go no further.
    virtual bool takeFirst(const ui::Event&) { return false; }
    // After the window's handlers; a level other than Benign ends the dispatch.
    virtual Level takeEvent(const ui::Event&) { return Level::Benign; }
    // Whether what the component shows depends on values that changed since it was last filled.
    virtual bool resetRequired() { return false; }
    // The window resets: refill when required (or forced).
    virtual void reset(bool /*force*/) {}
    virtual void SetAlerts() {}
    // The window closes.
    virtual void kill() {}
};

}  // namespace vx::classes
