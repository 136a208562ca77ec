#include <gtest/gtest.h>

#include <filesystem>

#include "platform/core/dates.h"
#include "platform/ui/tests/test_window.h"

namespace vx::ui {
namespace {

using testing::Log;
using testing::TestWindow;

class Placement : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("vx_ui_placement_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        ini.emplace(dir / "vetrix.INI");
        h.ini = &*ini;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Opens the window as its procedure does: placement read at opening, written at closing.
    void openAndClose(ResizeStrategy resize, const std::function<void(Window&)>& user) {
        Window w(WindowKind::MdiChild, "Browsehoz");
        w.setResize(resize).setDesignedGeometry({10, 20, 300, 200});
        w.restorePlacement(*ini);
        w.open();
        opened = w.geometry();
        openedState = w.state();
        if (user) user(w);
        w.close();
        ASSERT_TRUE(w.savePlacement(*ini));
    }

    Geometry opened;
    WindowState openedState = WindowState::Normal;
    headless::Harness h;
    std::filesystem::path dir;
    std::optional<rt::IniFile> ini;
};

TEST_F(Placement, AMaximisedWindowKeepsMaximiseAndNoPosition) {
    openAndClose(ResizeStrategy::Resize, [](Window& w) {
        input::moved(w, {40, 50, 500, 400});
        input::stateChanged(w, WindowState::Maximized);
    });
    PLAY(h.expectIni("Browsehoz", "Maximize", "Yes"));
    EXPECT_FALSE(ini->get("Browsehoz", "XPos"));
    EXPECT_FALSE(ini->get("Browsehoz", "YPos"));
    PLAY(h.expectIni("Browsehoz", "Width", "500"));

    openAndClose(ResizeStrategy::Resize, nullptr);
    EXPECT_EQ(openedState, WindowState::Maximized);
    EXPECT_EQ(opened, (Geometry{10, 20, 500, 400}));  // the designed position, the kept size
}

TEST_F(Placement, PositionAndSizeComeBackAndAFixedSizeIsNotKept) {
    openAndClose(ResizeStrategy::Surface, [](Window& w) { input::moved(w, {40, 50, 500, 400}); });
    openAndClose(ResizeStrategy::Surface, nullptr);
    EXPECT_EQ(opened, (Geometry{40, 50, 500, 400}));
    EXPECT_EQ(ini->get("Browsehoz", "Maximize"), "No");

    openAndClose(ResizeStrategy::None, [](Window& w) { input::moved(w, {60, 70, 500, 400}); });
    EXPECT_EQ(opened, (Geometry{40, 50, 300, 200}));  // a window that cannot be resized keeps its size
    EXPECT_FALSE(ini->get("Browsehoz", "Width"));
    EXPECT_EQ(ini->get("Browsehoz", "XPos"), "60");
}

class Timers : public ::testing::Test {
protected:
    void SetUp() override { clock::fix(makeDate(12, 8, 2026), 12 * 360000 + 1); }
    void TearDown() override { clock::useRealTime(); }
};

TEST_F(Timers, AWindowTimerTicksOnTheFixedClock) {
    Log log;
    headless::Harness h;
    TestWindow frame{"Main", [](LayoutBuilder&) {}, &log};
    frame.handler = [](Window& w, const Event& e) {
        if (e.kind == EventKind::OpenWindow) w.setTimer(100);
    };
    h.addProcedure("Main", frame);
    PLAY(h.start("Main"));
    PLAY(h.wait(3));
    EXPECT_EQ(log, (Log{"OpenWindow", "Timer", "Timer", "Timer"}));
    h.current()->setTimer(0);
    PLAY(h.wait(2));
    EXPECT_EQ(log.size(), 4u);
}

TEST_F(Timers, TicksMissedWhileAFormIsOpenComeAsOne) {
    Log log;
    headless::Harness h;
    TestWindow form{"UpdateForm", [](LayoutBuilder& b) { b.button("?OK", "&Да"); }};
    TestWindow frame{"Main", [](LayoutBuilder& b) { b.button("?FORM", "Форма"); }, &log};
    frame.handler = [form](Window& w, const Event& e) {
        if (e.kind == EventKind::OpenWindow) w.setTimer(100);
        if (e.kind == EventKind::Accepted) form();
    };
    h.addProcedure("Main", frame);
    PLAY(h.start("Main"));
    PLAY(h.press("?FORM"));
    PLAY(h.wait(5));
    PLAY(h.close());
    EXPECT_EQ(log, (Log{"OpenWindow", "Accepted ?FORM", "Timer"}));
}

}  // namespace
}  // namespace vx::ui
