// The windows in the Qt renderer, offscreen: the frame with its bars, and every
// window built so far inside it as a user starts it; a picture of each is kept in
// screens/ and must not be blank.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QSet>
#include <QWidget>

#include <unistd.h>

#include <string>

#include "app/frame/main_frame.h"
#include "app/script/procedure_registry.h"
#include "database/database_choice.h"
#include "platform/core/dates.h"
#include "platform/qt/front_end.h"
#include "platform/runtime/thread_state.h"
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

ui::Window* openWindow(const std::string& procedure) {
    for (ui::Window* w : ui::desktop().windows())
        if (w->procedure() == procedure) return w;
    return nullptr;
}

void keepPicture(qt::QtFrontEnd& frontEnd, const ui::Window& window, const std::string& file) {
    QWidget* widget = frontEnd.renderer().topWidget(window.id());
    ASSERT_NE(widget, nullptr) << file;
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const QImage picture = widget->grab().toImage();
    const QString dir = qEnvironmentVariable("VX_TEST_BINARY_DIR", QDir::currentPath()) + "/screens";
    QDir().mkpath(dir);
    ASSERT_TRUE(picture.save(dir + "/" + QString::fromStdString(file)));
    EXPECT_GT(coloursIn(picture), 20) << file << " looks blank";
}

TEST(WindowScreens, EveryWindowOpensAndIsDrawn) {
    application();
    const std::string folder = ::testing::TempDir() + "vx-screens-" + std::to_string(::getpid());
    QDir().mkpath(QString::fromStdString(folder));
    QDir::setCurrent(QString::fromStdString(folder));
    qputenv("VETRIX_CONFIG_DIR", folder.c_str());
    qt::QtFrontEnd frontEnd;
    rt::startThread([] { Main(script::programWindows()); }, 0);
    frontEnd.loop().requestStep();
    ASSERT_TRUE(pumpUntil([] { return openWindow("BrowseBD") != nullptr; }));
    keepPicture(frontEnd, *ui::desktop().frame(), "main_with_browse_bd.png");
    keepPicture(frontEnd, *openWindow("BrowseBD"), "browse_bd.png");

    // Every other window, each on a thread of its own, with an insert request as a
    // list would hand a form; a database is chosen so the forms can prime their records.
    database::chooseDatabaseFolder(folder + "/");
    for (const script::ProcedureEntry& window : script::programWindows().entries()) {
        if (window.name == "Main" || window.name == "BrowseBD") continue;
        rt::startThread([procedure = window.procedure] {
            *rt::GLOBALREQUEST = rt::request::Insert;
            procedure();
        }, 0);
        frontEnd.loop().requestStep();
        ASSERT_TRUE(pumpUntil([&] { return openWindow(window.name) != nullptr; })) << window.name;
        keepPicture(frontEnd, *openWindow(window.name), window.name + ".png");
    }

    ui::desktop().closeDown();
    frontEnd.loop().requestStep();
    EXPECT_TRUE(pumpUntil([] { return ui::desktop().windows().empty() && rt::threadCount() == 0; }));
    QDir(QString::fromStdString(folder)).removeRecursively();
}

}  // namespace
}  // namespace vx::frame
