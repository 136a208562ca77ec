#include "platform/qt/tests/qt_fixture.h"

#include <QApplication>
#include <QElapsedTimer>

#include "platform/core/text.h"
#include "platform/qt/window_view.h"
#include "platform/ui/desktop.h"
#include "platform/ui/window.h"

namespace vx::qt::testing {

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "tests_qt";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

std::string describe(const ui::Window& w, const ui::Event& e) {
    std::string out(ui::eventName(e.kind));
    if (const ui::Control* c = w.control(e.control)) out += " " + c->useName();
    if (e.kind == ui::EventKind::AlertKey) out += " " + e.key.name();
    if (e.row >= 0 && e.kind != ui::EventKind::ScrollDrag) out += " row " + std::to_string(e.row);
    if (e.kind == ui::EventKind::ScrollDrag) out += " " + std::to_string(e.row);
    return out;
}

}  // namespace

QtTest::QtTest() : frontEnd_((application(), QtFrontEnd())) {}

QtTest::~QtTest() {
    ui::desktop().closeDown();
    frontEnd_.loop().requestStep();
    pumpUntil([] { return ui::desktop().windows().empty(); });
    settle();
}

void QtTest::start(TestProc proc) {
    rt::startThread(
        [this, proc] {
            ui::Window w(proc.kind, proc.procedure);
            ui::LayoutBuilder b(w);
            proc.layout(b, w);
            w.open();
            for (;;) {
                const ui::Event e = w.nextEvent();
                log_.push_back(proc.procedure + ": " + describe(w, e));
                if (proc.handler) proc.handler(w, e);
                if (!w.isOpen()) return;
                if (e.kind == ui::EventKind::CloseWindow || e.kind == ui::EventKind::CloseDown) {
                    w.close();
                    return;
                }
            }
        },
        60000);
    frontEnd_.loop().requestStep();
}

bool QtTest::pumpUntil(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void QtTest::settle() {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void QtTest::wait(int ms) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

ui::Window* QtTest::window(std::string_view procedure) const {
    for (ui::Window* w : ui::desktop().windows())
        if (compareTextNoCase(w->procedure(), procedure) == 0) return w;
    return nullptr;
}

QWidget* QtTest::top(std::string_view procedure) const {
    const ui::Window* w = window(procedure);
    return w ? frontEnd_.renderer().topWidget(w->id()) : nullptr;
}

QWidget* QtTest::widget(std::string_view procedure, std::string_view control) const {
    const ui::Window* w = window(procedure);
    if (!w) return nullptr;
    const WindowView* v = frontEnd_.renderer().view(w->id());
    return v ? v->widget(w->idOf(control)) : nullptr;
}

bool QtTest::logged(const std::string& line) const { return std::find(log_.begin(), log_.end(), line) != log_.end(); }

}  // namespace vx::qt::testing
