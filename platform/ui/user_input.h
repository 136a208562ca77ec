#pragma once
// What the user does, as a renderer (or the headless harness) reports it. Each
// call changes the model at once (focus, typing, highlight, values) and queues
// the events the action gives, waking the window's thread; the threads run at
// the main loop's next Desktop::runPending(). Each answers whether the action
// was possible; a refusal says why (the window is blocked, the control is
// hidden or disabled, there is no such row...).
//
// Event order follows the user's gesture: moving the focus onto a control gives
// it Selected (after the control it leaves has its typing confirmed: Accepted);
// pressing a button that does not have the focus first gives it the focus
// (Selected), then presses it (Accepted). Focus that comes back to a window
// after a dialog or a form closes is no new focus: no event.

#include <string>
#include <string_view>

#include "platform/ui/event.h"
#include "platform/ui/window.h"

namespace vx::ui {

struct Outcome {
    std::string refusal;  // empty: done
    explicit operator bool() const { return refusal.empty(); }
    static Outcome done() { return {}; }
    static Outcome refused(std::string why) { return {std::move(why)}; }
};

enum class MouseButton { Left, Right };

namespace input {

// The user moves the focus onto a control (a click or Tab).
Outcome focus(Window& w, ControlId c);
// A click on a button, check box, radio, toolbar button or menu item.
Outcome press(Window& w, ControlId c);
// Typing into an entry, text, spin or combo (focus first); not confirmed.
Outcome type(Window& w, ControlId c, std::string text);
// Confirms the typing (Enter): the variable takes it and Accepted follows, unless
// it does not fit the picture (then the text stays and no event comes).
Outcome confirm(Window& w, ControlId c);
// Chooses an entry of a drop list or combo, or a radio of an option box, by its shown text.
Outcome choose(Window& w, ControlId c, std::string_view entry);
// Highlights row `row` (0-based, as displayed) of a list or drop list, as with the arrow keys.
Outcome selectRow(Window& w, ControlId c, int row);
// A mouse click on a list row (0-based, as displayed), in a column, with modifiers;
// kNoRow: in the list where it shows no row (an empty list, below its last row),
// which keeps the highlight and reports the click as an alerted key only.
inline constexpr int kNoRow = -1;
Outcome click(Window& w, ControlId c, int row, std::uint8_t mods, MouseButton button, int column = 0,
              bool doubleClick = false);
// A click on a list's column title, or a double click on the divider after it.
Outcome clickHeader(Window& w, ControlId c, int column, bool divider = false);
// A key (or Ctrl alone) to the focused control of the window.
Outcome key(Window& w, Key k);
// Chooses a tab of a sheet by position (0-based) or by caption.
Outcome chooseTab(Window& w, ControlId sheet, int tab);
Outcome chooseTab(Window& w, ControlId sheet, std::string_view caption);
// The scroll bar of a list: a drag of its thumb to a position 0..100.
Outcome dragScroll(Window& w, ControlId list, int position);
// The list was sized to show `rows` rows.
void listResized(Window& w, ControlId list, int rows);

// The close box of the window.
Outcome closeWindow(Window& w);
// The user brings a window to the front.
Outcome activate(Window& w);
// The user moves or sizes a window, maximises, iconises or restores it.
void moved(Window& w, Geometry g);
void stateChanged(Window& w, WindowState s);

// Cut, copy and paste on the focused control of the active window.
enum class EditCommand { Cut, Copy, Paste };
Outcome edit(EditCommand command);

}  // namespace input
}  // namespace vx::ui
