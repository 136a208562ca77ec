// The program's list windows share their lists' looks and their return to the
// start folder; each is checked here through the program's own window table.

#include <filesystem>
#include <string>
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

TEST_F(ListWindowTest, EveryListWindowHasTheDesignedLinesAndGoesBackToTheStartFolderWhenItCloses) {
    const struct {
        const char* procedure;
        std::vector<const char*> lists;
    } windows[] = {
        {"BrowseBD", {"?BROWSE:1", "?LIST"}}, {"Browsehoz", {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:3", "?LIST:4"}},
        {"Browseanimvid", {"?BROWSE:1"}},     {"BrowsePol", {"?BROWSE:1"}},
        {"BrwtaskVPO", {"?BROWSE:1"}},        {"BrwtaskVDI", {"?BROWSE:1"}},
        {"BrowseTKvdi", {"?BROWSE:1", "?LIST"}}, {"BrowseTKvpo", {"?BROWSE:1", "?LIST"}},
        {"BrowseVPO", {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:3"}},
        {"BrowseVDI", {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:4"}},
    };
    for (const auto& w : windows) {
        PLAY(h->start(w.procedure));
        for (const char* name : w.lists)
            EXPECT_EQ(dynamic_cast<const ui::ListControl&>(*h->find(name)).model().lineHeight(), windows::kListLineHeight)
                << w.procedure << " " << name;
        // As a file dialog leaves it.
        rt::setCurrentFolder(std::filesystem::temp_directory_path().string());
        PLAY(h->close());
        PLAY(h->expectClosed(w.procedure));
        EXPECT_EQ(std::filesystem::current_path(), dir) << w.procedure;
    }
}

}  // namespace
}  // namespace vx::app
