#pragma once
// The toolbar target of a window: the frame's history button reaches the window
// it was meant for as an accepted event posted by the frame, and goes to the
// target set here (a form restores the focused field from its history copy).

#include <functional>
#include <string_view>

#include "platform/ui/event.h"

namespace vx::classes {

// The use-name of the frame's history button.
inline constexpr std::string_view kHistoryButton = "?TOOLBAR:HISTORY";

class ToolbarClass {
public:
    void setHistoryTarget(std::function<void()> target) { history_ = std::move(target); }

    // Whether the event came from the frame's history button (the window then
    // handles it no further); the target, when there is one, has run.
    bool takeForwarded(const ui::Event& e) const;

private:
    std::function<void()> history_;
};

}  // namespace vx::classes
