// The frame in the Qt renderer, offscreen: its menu bar, toolbar and status bar
// are drawn, and a picture of it is kept in screens/main.png.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QSet>
#include <QWidget>

#include "app/frame/main_frame.h"
#include "platform/core/dates.h"
#include "platform/qt/front_end.h"
#include "platform/runtime/threads.h"
#include "platform/ui/desktop.h"
#include "platform/ui/window.h"

namespace vx::frame {
namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "tests_frame_qt";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

bool pumpUntil(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void pump() {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// How many different colours a picture holds; a blank one has one or two.
int coloursIn(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

TEST(FrameScreen, TheFrameIsDrawnWithItsBars) {
    application();
    clock::fix(makeDate(12, 8, 2026), 9 * 60 * 60 * 100);
    qt::QtFrontEnd frontEnd;
    const script::ProcedureRegistry none;
    rt::startThread([&none] { Main(none); }, 0);
    frontEnd.loop().requestStep();
    ASSERT_TRUE(pumpUntil([] { return ui::desktop().frame() != nullptr; }));
    const ui::Window& frame = *ui::desktop().frame();
    QWidget* top = frontEnd.renderer().topWidget(frame.id());
    ASSERT_NE(top, nullptr);
    top->resize(1200, 640);
    pump();
    EXPECT_EQ(top->windowTitle().toStdString(), "Стадомер PRO");

    const QImage picture = top->grab().toImage();
    const QString dir = qEnvironmentVariable("VX_TEST_BINARY_DIR", QDir::currentPath()) + "/screens";
    QDir().mkpath(dir);
    ASSERT_TRUE(picture.save(dir + "/main.png"));
    EXPECT_GT(coloursIn(picture), 40);

    ui::desktop().closeDown();
    frontEnd.loop().requestStep();
    EXPECT_TRUE(pumpUntil([] { return ui::desktop().windows().empty() && rt::threadCount() == 0; }));
    clock::useRealTime();
}

}  // namespace
}  // namespace vx::frame
