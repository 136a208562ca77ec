#pragma once
// Events of a window's event loop. An event names the control it is about
// (0 for a field-independent event such as opening, closing or a timer tick).
// An alert key is reported on the control that has the focus, whether the key
// was alerted on that control or on the whole window.

#include <string>
#include <string_view>

#include "platform/ui/ids.h"
#include "platform/ui/keys.h"

namespace vx::ui {

enum class EventKind {
    // field-independent
    OpenWindow,
    CloseWindow,  // the user (or a post) asks the window to close
    CloseDown,    // the program is ending: the window must close
    GainFocus,    // the window became the active one
    LoseFocus,
    Completed,  // posted by a form when its work is done
    Timer,
    Moved,
    Sized,
    Maximized,
    Iconized,
    Restored,
    RecordsWritten,  // another window wrote records of a file; Event::file names it
    // of a control
    Accepted,      // confirmed: pressed, typed and confirmed, chosen, checked
    Selected,      // received the input focus
    NewSelection,  // another row, entry, tab or spin value became current
    Refused,       // typed text its entry's range does not allow; the window says what it allows
    AlertKey,      // an alerted key or click; Event::key says which
    ScrollUp,      // lists: the user moved above the first displayed row ...
    ScrollDown,    // ... below the last one
    PageUp,
    PageDown,
    ScrollTop,
    ScrollBottom,
    ScrollDrag,     // the scroll bar's thumb was dragged; Event::row holds 0..100
    HeaderPressed,  // a column title was clicked; Event::column
    HeaderDivider,  // a double click on the divider after Event::column
    // posted by the program, meaning its own
    User,
};

struct Event {
    EventKind kind = EventKind::User;
    ControlId control = 0;
    Key key{};           // AlertKey: the key or click
    int row = -1;        // a list row (0-based, as displayed): clicked, or moved to; ScrollDrag: thumb position
    int column = -1;     // a list column (0-based) for clicks and header events
    WindowId from = 0;   // the window that posted it, when another window did
    int code = 0;        // User: the program's own code
    std::string file{};  // RecordsWritten: the file's label

    bool isFieldIndependent() const { return control == 0; }
};

std::string_view eventName(EventKind kind);

}  // namespace vx::ui
