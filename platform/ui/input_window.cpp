#include "platform/ui/desktop.h"
#include "platform/ui/input_detail.h"

namespace vx::ui::input {

using namespace detail;

Outcome closeWindow(Window& w) {
    if (Outcome o = reachable(w, nullptr); !o) return o;
    w.post(Event{EventKind::CloseWindow});
    return Outcome::done();
}

Outcome activate(Window& w) {
    if (!w.isOpen()) return Outcome::refused("window " + w.procedure() + " is not open");
    // A window that waits for a form or dialog of its thread hands the activation on to it.
    Window* top = w.blocked() ? desktop().topWindowOf(w.thread()) : nullptr;
    desktop().activate(top ? *top : w);
    return Outcome::done();
}

void moved(Window& w, Geometry g) {
    const Geometry before = w.geometry();
    w.setGeometry(g);
    if (g.x != before.x || g.y != before.y) w.post(Event{EventKind::Moved});
    if (g.width != before.width || g.height != before.height) w.post(Event{EventKind::Sized});
}

void stateChanged(Window& w, WindowState s) {
    if (w.state() == s) return;
    w.setState(s);
    w.post(Event{s == WindowState::Maximized   ? EventKind::Maximized
                 : s == WindowState::Minimized ? EventKind::Iconized
                                               : EventKind::Restored});
}

}  // namespace vx::ui::input
