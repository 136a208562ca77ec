#pragma once
// Steps shared by the user-input functions.

#include <string>

#include "platform/ui/user_input.h"

namespace vx::ui::input::detail {

// How a control is named in a refusal.
std::string nameOf(const Control& c);
// Whether the user can act on the window, and on the control in it (when given).
Outcome reachable(const Window& w, const Control* c);
// Whether the control sits in the menu bar or the toolbar (acting there leaves the focus alone).
bool inBar(const Window& w, const Control& c);
// The user acts in the window: it becomes the active one (unless acting on its bars).
// A click or typing counts as input made without Ctrl, unless the caller noted its own key.
void touch(Window& w, const Control& c, bool noteClick = true);
// The user moves the focus onto `c`: the control left confirms what was typed into it
// (Accepted; a refusal when the text does not fit), then `c` gets Selected.
Outcome moveFocus(Window& w, Control& c);
void report(Window& w, EventKind kind, ControlId c);
// An event about a row of a list or drop list (the row it moved to).
void reportRow(Window& w, EventKind kind, ControlId c, int row);

// Keys a list handles itself.
Outcome listKey(Window& w, Control& list, Key k);

}  // namespace vx::ui::input::detail
