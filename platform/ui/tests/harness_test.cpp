#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ui/desktop.h"
#include "platform/ui/tests/test_window.h"

namespace vx::ui {
namespace {

using testing::Log;
using testing::TestWindow;

// A frame with a menu, a toolbar and a status bar that starts a list window on a thread of its own.
class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        TestWindow child{"BrowseBD", [](LayoutBuilder& b) {
                             b.button("?B", "Кнопка").setTooltip("Подключить базу данных");
                             b.button("?THROW", "Сбой");
                         }};
        child.handler = [](Window& w, const Event& e) {
            if (e.kind == EventKind::Accepted && e.control == w.idOf("?THROW")) throw std::runtime_error("сбой окна");
        };
        TestWindow frame{"Main",
                         [this](LayoutBuilder& b) {
                             b.menuBar([&] {
                                 b.menu("  Файл  ", [&] {
                                     b.item("?PRINTSETUP", "Принтер ...", "scor_pom.ico", "Настройка принтера");
                                     b.item("?BD", "Подключить БД...", "stet.ico", "Быбор подключаемой БД");
                                 });
                                 b.menu("Справочники",
                                        [&] { b.menu("Схемы", [&] { b.item("?ANIM", "Вид животного"); }); });
                             });
                             b.toolbar([&] {
                                 b.toolGroup("Подключить БД",
                                             [&] { b.toolButton("?BUTTON1:8", "stet.ico", "Подключить"); });
                                 b.toolGroup("Сервис", [&] { b.toolCheck("?SORT", "ihfo.ico", "Подсказки", sort); });
                             });
                             b.statusBar({-1, 20, 10});
                         },
                         &log, nullptr, WindowKind::Frame};
        frame.handler = [this, child](Window& w, const Event& e) {
            if (e.kind == EventKind::OpenWindow) w.setStatusText(2, "Tuesday, 08.12.2026");
            if (e.kind != EventKind::Accepted) return;
            if (e.control == w.idOf("?BD") || e.control == w.idOf("?BUTTON1:8")) rt::startThread(child, 25000);
            if (e.control == w.idOf("?SORT")) desktop().changeLook([&](Look& l) { l.tooltipsShown = sort == 1; });
        };
        h.addProcedure("Main", frame, 0);
        PLAY(h.start("Main"));
        log.clear();
    }

    Byte sort = 1;
    Log log;
    headless::Harness h;
};

TEST_F(Frame, MenusToolbarAndStatusBarServeTheActiveWindow) {
    PLAY(h.menu({"Файл", "Подключить БД..."}));
    PLAY(h.expectWindow("BrowseBD"));
    EXPECT_EQ(h.current()->procedure(), "BrowseBD");
    PLAY(h.press("?BUTTON1:8"));
    EXPECT_EQ(h.windowsOf("BrowseBD").size(), 2u);
    PLAY(h.window("BrowseBD", 1));
    EXPECT_FALSE(h.window("BrowseBD", 3));
    PLAY(h.expectStatus(2, "Tuesday, 08.12.2026"));  // the child has no status bar: the frame's

    // A toolbar button is the frame's, and leaves the active window active.
    PLAY(h.press("?SORT"));
    EXPECT_EQ(desktop().activeWindow(), h.windowsOf("BrowseBD").back());
    EXPECT_EQ(sort, 0);
    EXPECT_EQ(h.tooltip("?B"), "");
    PLAY(h.press("?SORT"));
    EXPECT_EQ(h.tooltip("?B"), "Подключить базу данных");

    PLAY(h.menu({"Справочники", "Схемы", "Вид животного"}));
    EXPECT_FALSE(h.menu({"Справочники", "Схемы"}));
    EXPECT_FALSE(h.menu({"Файл", "Выход"}));
    EXPECT_EQ(log, (Log{"Accepted ?BD", "Accepted ?BUTTON1:8", "Accepted ?SORT", "Accepted ?SORT", "Accepted ?ANIM"}));
    PLAY(h.close());  // the chosen window
    ASSERT_EQ(h.windowsOf("BrowseBD").size(), 1u);
    EXPECT_EQ(h.current(), h.windowsOf("BrowseBD").front());
}

TEST_F(Frame, FailuresSayWhatWentWrong) {
    PLAY(h.menu({"Файл", "Подключить БД..."}));
    const Outcome missing = h.press("?NOSUCH");
    EXPECT_NE(missing.refusal.find("?NOSUCH"), std::string::npos);
    const Outcome wrong = h.expectValue("?B", "Другая");
    EXPECT_NE(wrong.refusal.find("\"Кнопка\""), std::string::npos) << wrong.refusal;
    EXPECT_FALSE(h.expectRows("?B", 1));
    const Outcome crashed = h.press("?THROW");
    EXPECT_NE(crashed.refusal.find("сбой окна"), std::string::npos) << crashed.refusal;
    PLAY(h.expectClosed("BrowseBD"));  // the thread ended with its window
    EXPECT_NE(h.dumpWindow().find("window Main"), std::string::npos);
}

}  // namespace
}  // namespace vx::ui
