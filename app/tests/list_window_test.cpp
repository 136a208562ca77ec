// The program's list windows share their lists' looks and their return to the
// start folder; the test walks the program's own window table and checks each.

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_windows.h"
#include "context/globals.h"
#include "database/database_choice.h"
#include "platform/runtime/folders.h"
#include "platform/ui/list_control.h"
#include "tests/window_test.h"
#include "windows/list_window.h"

namespace vx::app {
namespace {

class ListWindowTest : public vx::testing::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        database::chooseDatabaseFolder(dir.string() + "/");
        for (const windows::Window& w : programWindows().rows())
            if (w.procedure) h->addProcedure(std::string(w.name), w.procedure, w.stack);
        glo::PUTK = dir.string();
    }
};

// The lists of each list window that have the designed lines.
const std::map<std::string_view, std::vector<const char*>> kDesignedLists = {
    {"BrowseBD", {"?BROWSE:1", "?LIST"}},
    {"Browsehoz", {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:3", "?LIST:4"}},
    {"Browseanimvid", {"?BROWSE:1"}},
    {"BrowsePol", {"?BROWSE:1"}},
    {"BrwtaskVPO", {"?BROWSE:1"}},
    {"BrwtaskVDI", {"?BROWSE:1"}},
    {"BrowseTKvdi", {"?BROWSE:1", "?LIST"}},
    {"BrowseTKvpo", {"?BROWSE:1", "?LIST"}},
    {"BrowseVPO", {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:3"}},
    {"BrowseVDI", {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:4"}},
    {"BrowseExp", {"?BROWSE:1"}},
};

// A list window's procedure is named Browse... or Brw...; the forms a list calls are not started on their own.
bool isListWindow(const windows::Window& w) {
    return w.procedure && w.start != windows::Start::Modal &&
           (w.name.starts_with("Browse") || w.name.starts_with("Brw"));
}

TEST_F(ListWindowTest, EveryListWindowHasTheDesignedLinesAndGoesBackToTheStartFolderWhenItCloses) {
    std::size_t checked = 0;
    for (const windows::Window& w : programWindows().rows()) {
        if (!isListWindow(w)) continue;
        const std::string procedure(w.name);
        const auto designed = kDesignedLists.find(w.name);
        ASSERT_NE(designed, kDesignedLists.end()) << procedure << ": a list window without its designed lists here";
        ++checked;
        PLAY(h->start(procedure));
        for (const char* name : designed->second)
            EXPECT_EQ(dynamic_cast<const ui::ListControl&>(*h->find(name)).model().lineHeight(), windows::kListLineHeight)
                << procedure << " " << name;
        // As a file dialog leaves it.
        rt::setCurrentFolder(std::filesystem::temp_directory_path().string());
        PLAY(h->close());
        PLAY(h->expectClosed(procedure));
        EXPECT_EQ(std::filesystem::current_path(), dir) << procedure;
    }
    EXPECT_EQ(checked, kDesignedLists.size()) << "a window here is not a list window of the table";
}

}  // namespace
}  // namespace vx::app
