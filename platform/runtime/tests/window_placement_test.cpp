#include "platform/runtime/window_placement.h"

#include <gtest/gtest.h>

#include "platform/runtime/tests/temp_folder.h"

namespace vx::rt {
namespace {

class WindowPlacementTest : public testing::Test {
protected:
    test::TempFolder dir;
    IniFile ini{dir.path() / "vetrix.INI"};
};

TEST_F(WindowPlacementTest, APlacementReadsBackAsSaved) {
    WindowPlacement saved{.x = -5, .y = 40, .width = 800, .height = 600};
    ASSERT_TRUE(updatePlacement(ini, "Browsehoz", saved, true));
    EXPECT_EQ(ini.read().text(), "[Browsehoz]\nMaximize=No\nMinimize=No\nXPos=-5\nYPos=40\nWidth=800\nHeight=600\n");
    WindowPlacement read = fetchPlacement(ini, "BROWSEHOZ");
    EXPECT_FALSE(read.maximized);
    EXPECT_FALSE(read.minimized);
    EXPECT_EQ(read.x, -5);
    EXPECT_EQ(read.y, 40);
    EXPECT_EQ(read.width, 800);
    EXPECT_EQ(read.height, 600);
}

TEST_F(WindowPlacementTest, KeysThatDoNotApplyAreRemoved) {
    updatePlacement(ini, "Browsehoz", {.x = 1, .y = 2, .width = 3, .height = 4}, true);
    updatePlacement(ini, "UpdatetaskVPO", {.x = 1, .y = 2, .width = 3, .height = 4}, true);

    // Closed while maximised: no position, the normal size stays.
    updatePlacement(ini, "Browsehoz", {.maximized = true, .x = 9, .y = 9, .width = 30, .height = 40}, true);
    // A window that cannot be resized keeps no size.
    updatePlacement(ini, "UpdatetaskVPO", {.x = 5, .y = 6, .width = 30, .height = 40}, false);

    EXPECT_EQ(ini.read().text(),
              "[Browsehoz]\nMaximize=Yes\nMinimize=No\nWidth=30\nHeight=40\n\n"
              "[UpdatetaskVPO]\nMaximize=No\nMinimize=No\nXPos=5\nYPos=6\n");
    WindowPlacement read = fetchPlacement(ini, "Browsehoz");
    EXPECT_TRUE(read.maximized);
    EXPECT_EQ(read.x, std::nullopt);
    EXPECT_EQ(read.width, 30);
}

TEST_F(WindowPlacementTest, MissingOrDamagedEntriesGiveNoValue) {
    WindowPlacement none = fetchPlacement(ini, "Main");
    EXPECT_FALSE(none.maximized);
    EXPECT_EQ(none.x, std::nullopt);
    EXPECT_EQ(none.height, std::nullopt);

    ini.edit([](IniDocument& doc) {
        doc.put("Main", "Maximize", "yes");
        doc.put("Main", "Minimize", "1");
        doc.put("Main", "XPos", "12px");
        doc.put("Main", "YPos", "");
        doc.put("Main", "Width", "99999999999999999999");
        doc.put("Main", "Height", "700");
    });
    WindowPlacement read = fetchPlacement(ini, "Main");
    EXPECT_TRUE(read.maximized);
    EXPECT_FALSE(read.minimized);
    EXPECT_EQ(read.x, std::nullopt);
    EXPECT_EQ(read.y, std::nullopt);
    EXPECT_EQ(read.width, std::nullopt);
    EXPECT_EQ(read.height, 700);
}

}  // namespace
}  // namespace vx::rt
