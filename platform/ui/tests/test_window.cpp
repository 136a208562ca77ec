#include "platform/ui/tests/test_window.h"

namespace vx::ui::testing {

std::string describe(const Window& w, const Event& e) {
    std::string out(eventName(e.kind));
    if (const Control* c = w.control(e.control)) out += " " + c->useName();
    if (e.kind == EventKind::AlertKey) out += " " + e.key.name();
    return out;
}

void TestWindow::operator()() const {
    Window w(kind, procedure);
    LayoutBuilder b(w);
    if (layout) layout(b);
    w.open();
    while (w.isOpen()) {
        const Event e = w.nextEvent();
        if (log) log->push_back(describe(w, e));
        if (handler) handler(w, e);
        if (e.kind == EventKind::CloseWindow || e.kind == EventKind::CloseDown) break;
    }
    w.close();
}

}  // namespace vx::ui::testing
