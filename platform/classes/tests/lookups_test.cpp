#include <gtest/gtest.h>

#include "platform/classes/calendar.h"
#include "platform/classes/select_file.h"
#include "platform/classes/tests/classes_fixture.h"
#include "platform/classes/window_manager.h"
#include "platform/core/dates.h"
#include "platform/ui/layout.h"

namespace vx::classes::testing {
namespace {

using Lines = std::vector<std::string>;

// A tool window with a date entry and its calendar button, and a path entry with
// a file button (cancel keeps the path) and a folder button (cancel clears it).
class LookupWindow : public WindowManager {
public:
    LookupWindow(ui::Window& w, Lines& trace) : WindowManager(w), trace_(trace) {}
    Level Init() override {
        if (Level level = WindowManager::Init(); level != Level::Benign) return level;
        dateButton.Init(*this, "?CALENDAR", "?BORN", born, "Дата рождения");
        files.Init("Шаблон", "Файлы Excel", "*.xls", false, false);
        folders.Init("Полный путь к БД", "All Files", "*.*", true, true);
        fileButton.Init(*this, "?FILE", path, files);
        folderButton.Init(*this, "?FOLDER", path, folders);
        return Level::Benign;
    }
    Level TakeFieldEvent() override {
        trace_.push_back(window().control(field())->useName() + " " + std::string(ui::eventName(event().kind)));
        return WindowManager::TakeFieldEvent();
    }
    void Reset(bool force) override {
        trace_.push_back("reset");
        WindowManager::Reset(force);
    }

    Long born = 0;
    Str path{128};

private:
    Lines& trace_;
    DateButton dateButton;
    SelectFileClass files, folders;
    FileButton fileButton, folderButton;
};

class LookupTest : public ClassesTest {
protected:
    void SetUp() override {
        ClassesTest::SetUp();
        h->addProcedure("Lookups", [this] {
            ui::Window w(ui::WindowKind::MdiChild, "Lookups");
            ui::LayoutBuilder b(w);
            LookupWindow ThisWindow(w, trace);
            b.column([&] {
                b.entry("?BORN", ThisWindow.born, "@d6.b");
                b.button("?CALENDAR", "...");
                b.entry("?PATH", ThisWindow.path, "@s128");
                b.button("?FILE", "Файл");
                b.button("?FOLDER", "Папка");
            });
            ThisWindow.Run();
        });
        PLAY(h->start("Lookups"));
        trace.clear();
    }
    Lines trace;
};

TEST_F(LookupTest, TheDateButtonPutsTheChosenDateIntoItsField) {
    PLAY(h->type("?BORN", "01.03.2020"));
    PLAY(h->date("15.06.2021"));
    PLAY(h->press("?CALENDAR"));
    PLAY(h->expectValue("?BORN", "15.06.2021"));
    ASSERT_FALSE(h->messages().empty());
    EXPECT_EQ(h->messages().back().caption, "Дата рождения");
    EXPECT_EQ(trace, (Lines{"?BORN Accepted", "?CALENDAR Selected", "?CALENDAR Accepted", "reset"}))
        << "the date entry gets no accepted event of its own";
    trace.clear();
    PLAY(h->date(""));
    PLAY(h->press("?CALENDAR"));
    PLAY(h->expectValue("?BORN", "15.06.2021"));  // no date chosen: the field keeps its value
}

TEST_F(LookupTest, FileButtonsPutThePathOrWhatCancelLeaves) {
    PLAY(h->file("/data/plan.xls"));
    PLAY(h->press("?FILE"));
    PLAY(h->expectValue("?PATH", "/data/plan.xls"));
    PLAY(h->file(""));
    PLAY(h->press("?FILE"));
    PLAY(h->expectValue("?PATH", "/data/plan.xls"));
    PLAY(h->file(""));
    PLAY(h->press("?FOLDER"));
    PLAY(h->expectValue("?PATH", ""));
}

}  // namespace
}  // namespace vx::classes::testing
