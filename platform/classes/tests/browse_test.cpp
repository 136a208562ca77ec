#include <gtest/gtest.h>

#include "platform/classes/tests/classes_fixture.h"
#include "platform/classes/tests/test_windows.h"
#include "platform/ui/desktop.h"
#include "platform/ui/list_control.h"

namespace vx::classes::testing {
namespace {

using Lines = std::vector<std::string>;

class BrowseTest : public ClassesTest {
protected:
    void SetUp() override {
        ClassesTest::SetUp();
        resetScene();
        addTestWindows(*h);
    }
    void TearDown() override {
        ClassesTest::TearDown();
        resetScene();
    }

    // The rows a list shows, each "cell|cell".
    Lines rows(std::string_view list) {
        Lines out;
        for (int n = 1;; ++n) {
            auto r = h->row(list, n);
            if (!r) return out;
            std::string line;
            for (const std::string& c : *r) line += (line.empty() ? "" : "|") + c;
            out.push_back(line);
        }
    }
    int highlighted(std::string_view list) {
        return dynamic_cast<ui::ListControl*>(h->find(list))->model().current() + 1;
    }
    Lines takeTrace() { return std::exchange(scene().trace, {}); }

    // Another window's whole-file write: the group of code `kod` renamed, or
    // removed when `name` is null; then its announcement.
    void written(int kod, const char* name) {
        data::FileManager& fm = files().access(GRP);
        fm.open();
        ASSERT_EQ(fm.useFile(), rt::Level::Benign);
        store::Table& t = fm.table();
        t.scan({}, [&](store::Position pos, const void* r) {
            GroupRecord g = *static_cast<const GroupRecord*>(r);
            if (g.KOD.value() != Decimal(kod)) return true;
            g.NAME = name ? name : "";
            EXPECT_TRUE(name ? t.update(pos, &g) : t.remove(pos));
            return false;
        });
        fm.close();
        ui::desktop().announceWrite("GROUP");
        ASSERT_TRUE(h->wait(0));
    }
};

TEST_F(BrowseTest, FillsFollowTheParentAndHandlersSeeTheHighlightedRow) {
    addGroup(1, "Альфа");
    addGroup(2, "Бета");
    addGroup(3, "Гамма");
    addGroup(4, "Дельта");
    addKind(5, "Кот");
    addMember(1, 1, "Мурка", 5);
    addMember(2, 2, "Барсик");
    addMember(3, 2, "Пушок");
    PLAY(h->start("GroupList"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"1|Альфа", "2|Бета", "3|Гамма"}));
    EXPECT_EQ(rows("?MEMBERS"), (Lines{"1|Мурка|Кот"}));
    // Each list announces the row a fill leaves current.
    EXPECT_EQ(takeTrace(), (Lines{"?GROUPS NewSelection grp=1 mem=1", "?MEMBERS NewSelection grp=1 mem=1"}));

    // A click: the handler already finds the clicked group; the child list follows after it.
    PLAY(h->click("?GROUPS", 2));
    EXPECT_EQ(takeTrace(), (Lines{"?GROUPS NewSelection grp=2 mem=1", "?MEMBERS NewSelection grp=2 mem=2"}));
    EXPECT_EQ(rows("?MEMBERS"), (Lines{"2|Барсик|", "3|Пушок|"}));
    PLAY(h->select("?MEMBERS", 2));
    EXPECT_EQ(takeTrace(), (Lines{"?MEMBERS Selected grp=2 mem=3", "?MEMBERS NewSelection grp=2 mem=3"}));

    // A group without members empties the child list (and its buffer) and says so once.
    PLAY(h->click("?GROUPS", 3));
    // The click's focus already comes with the clicked row (the child list follows it at once).
    EXPECT_EQ(takeTrace(), (Lines{"?GROUPS Selected grp=3 mem=3", "?GROUPS NewSelection grp=3 mem=0",
                                  "?MEMBERS NewSelection grp=3 mem=0"}));
    EXPECT_TRUE(rows("?MEMBERS").empty());
    // From empty to empty: no new selection of the child list.
    PLAY(h->key("?GROUPS", "Down"));
    EXPECT_EQ(takeTrace(), (Lines{"?GROUPS ScrollDown grp=4 mem=0", "?GROUPS NewSelection grp=4 mem=0"}));
}

TEST_F(BrowseTest, PagesMoveThroughTheView) {
    for (int i = 1; i <= 7; ++i) addGroup(i, ("Группа " + std::to_string(i)).c_str());
    PLAY(h->start("GroupList"));
    takeTrace();
    PLAY(h->key("?GROUPS", "Down Down"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"1|Группа 1", "2|Группа 2", "3|Группа 3"}));
    EXPECT_EQ(takeTrace(), (Lines{"?GROUPS NewSelection grp=2 mem=0", "?GROUPS NewSelection grp=3 mem=0"}))
        << "moves inside the page come once, from the list itself";
    PLAY(h->key("?GROUPS", "Down"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"2|Группа 2", "3|Группа 3", "4|Группа 4"}));
    EXPECT_EQ(highlighted("?GROUPS"), 3);
    EXPECT_EQ(takeTrace(), (Lines{"?GROUPS ScrollDown grp=4 mem=0", "?GROUPS NewSelection grp=4 mem=0"}));

    PLAY(h->key("?GROUPS", "PageDown"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"5|Группа 5", "6|Группа 6", "7|Группа 7"}));
    PLAY(h->key("?GROUPS", "PageDown"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"5|Группа 5", "6|Группа 6", "7|Группа 7"}));
    EXPECT_EQ(highlighted("?GROUPS"), 3) << "at the end a page move takes the highlight to the last row";
    PLAY(h->key("?GROUPS", "Home"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"1|Группа 1", "2|Группа 2", "3|Группа 3"}));
    EXPECT_EQ(highlighted("?GROUPS"), 1);
    PLAY(h->key("?GROUPS", "Up"));
    EXPECT_EQ(rows("?GROUPS").front(), "1|Группа 1");
    PLAY(h->key("?GROUPS", "End"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"5|Группа 5", "6|Группа 6", "7|Группа 7"}));
    EXPECT_EQ(highlighted("?GROUPS"), 3);
    EXPECT_EQ(dynamic_cast<ui::ListControl*>(h->find("?GROUPS"))->scrollPosition(), 100);
    PLAY(h->key("?GROUPS", "PageUp"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"2|Группа 2", "3|Группа 3", "4|Группа 4"}));
}

TEST_F(BrowseTest, AWriteShowsTheStoredRowsKeepingTheTopRowAndTheHighlightedRecord) {
    for (int i = 1; i <= 7; ++i) addGroup(i, ("Группа " + std::to_string(i)).c_str());
    PLAY(h->start("GroupList"));
    PLAY(h->key("?GROUPS", "Down Down Down Up"));
    ASSERT_EQ(rows("?GROUPS"), (Lines{"2|Группа 2", "3|Группа 3", "4|Группа 4"}));
    ASSERT_EQ(highlighted("?GROUPS"), 2);
    takeTrace();

    written(3, "Третья");
    EXPECT_EQ(rows("?GROUPS"), (Lines{"2|Группа 2", "3|Третья", "4|Группа 4"}));
    EXPECT_EQ(highlighted("?GROUPS"), 2);
    EXPECT_EQ(takeTrace(), Lines{}) << "the same record highlighted is no new selection";

    written(4, "Четвёртая");
    EXPECT_EQ(rows("?GROUPS"), (Lines{"2|Группа 2", "3|Третья", "4|Четвёртая"}));
    EXPECT_EQ(highlighted("?GROUPS"), 2);

    // The highlighted record goes: the row that took its place is highlighted, and handlers hear of it.
    written(3, nullptr);
    EXPECT_EQ(rows("?GROUPS"), (Lines{"2|Группа 2", "4|Четвёртая", "5|Группа 5"}));
    EXPECT_EQ(highlighted("?GROUPS"), 2);
    EXPECT_EQ(takeTrace(), (Lines{"?GROUPS NewSelection grp=4 mem=0"}));

    // The top row goes: the page starts where it stood.
    written(2, nullptr);
    EXPECT_EQ(rows("?GROUPS"), (Lines{"4|Четвёртая", "5|Группа 5", "6|Группа 6"}));
    EXPECT_EQ(highlighted("?GROUPS"), 1);

    // Rows go from the end of the view: the page fills up from above.
    PLAY(h->key("?GROUPS", "End"));
    ASSERT_EQ(rows("?GROUPS"), (Lines{"5|Группа 5", "6|Группа 6", "7|Группа 7"}));
    written(7, nullptr);
    EXPECT_EQ(rows("?GROUPS"), (Lines{"4|Четвёртая", "5|Группа 5", "6|Группа 6"}));
    EXPECT_EQ(highlighted("?GROUPS"), 3);
}

// A refill after a form (a change, a deletion) leaves the highlighted row where it stood on the page.
TEST_F(BrowseTest, AListReadAgainKeepsItsPlaceOnThePage) {
    for (int i = 1; i <= 7; ++i) addGroup(i, ("Группа " + std::to_string(i)).c_str());
    PLAY(h->start("GroupList"));
    PLAY(h->key("?GROUPS", "Down Down Down"));
    ASSERT_EQ(rows("?GROUPS"), (Lines{"2|Группа 2", "3|Группа 3", "4|Группа 4"}));
    ASSERT_EQ(highlighted("?GROUPS"), 3);

    PLAY(h->press("?CHANGE"));
    PLAY(h->expectWindow("GroupForm"));
    PLAY(h->type("?GRP:NAME", "Четвёртая"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"2|Группа 2", "3|Группа 3", "4|Четвёртая"}));
    EXPECT_EQ(highlighted("?GROUPS"), 3);

    PLAY(h->answer("Yes"));
    PLAY(h->press("?DELETE"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"2|Группа 2", "3|Группа 3", "5|Группа 5"}));
    EXPECT_EQ(highlighted("?GROUPS"), 3) << "the row after the deleted one takes its place";

    // Near the start of the view the page starts there, the highlight on its record.
    PLAY(h->key("?GROUPS", "Home"));
    PLAY(h->key("?GROUPS", "Down"));
    PLAY(h->press("?CHANGE"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"1|Группа 1", "2|Группа 2", "3|Группа 3"}));
    EXPECT_EQ(highlighted("?GROUPS"), 2);
}

TEST_F(BrowseTest, LocatorsJumpToTheTypedValue) {
    for (int i : {1, 3, 5, 7, 9}) addGroup(i, "Г");
    for (int no : {11, 12, 25, 31}) addMember(no, 1, "Ч");
    PLAY(h->start("GroupList"));
    // Step locator: each key on its own.
    PLAY(h->key("?GROUPS", "4"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"5|Г", "7|Г", "9|Г"}));
    EXPECT_EQ(highlighted("?GROUPS"), 1);
    PLAY(h->key("?GROUPS", "8"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"5|Г", "7|Г", "9|Г"}));
    EXPECT_EQ(highlighted("?GROUPS"), 3);
    PLAY(h->key("?GROUPS", "0"));
    EXPECT_EQ(rows("?GROUPS").front(), "1|Г");
    takeTrace();
    // Incremental locator: the keys add up; Backspace takes one back.
    PLAY(h->key("?MEMBERS", "2 5"));
    EXPECT_EQ(rows("?MEMBERS")[highlighted("?MEMBERS") - 1], "25|Ч|");
    PLAY(h->key("?MEMBERS", "Backspace"));
    EXPECT_EQ(rows("?MEMBERS")[highlighted("?MEMBERS") - 1], "11|Ч|") << "2 finds the first number from 2 on";
    PLAY(h->key("?MEMBERS", "Home 1 2"));
    EXPECT_EQ(rows("?MEMBERS")[highlighted("?MEMBERS") - 1], "12|Ч|");
    EXPECT_EQ(takeTrace().back(), "?MEMBERS NewSelection grp=1 mem=12");
}

TEST_F(BrowseTest, FiltersAndRowLooks) {
    addGroup(1, "Первая", 1);
    addGroup(2, "Вторая", 0);
    addGroup(3, "Третья", 1);
    addGroup(4, "Четвёртая", 1);
    scene().list = [](GroupListWindow& w) { w.BRW1.setFilter("GRP:CHEK = 1"); };
    PLAY(h->start("GroupList"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"1|Первая", "3|Третья", "4|Четвёртая"}));
    EXPECT_EQ(h->cellLook("?GROUPS", 1, 2)->colours.background, ui::kNoColour);
    EXPECT_EQ(h->cellLook("?GROUPS", 2, 2)->colours.background, 0xF2FFFB);
    EXPECT_EQ(h->cellLook("?GROUPS", 2, 1)->icon, 1);
    PLAY(h->close());

    // A filter the evaluator cannot use is reported and left out.
    scene().list = [](GroupListWindow& w) { w.BRW1.setFilter("GRP:NOPE = 1"); };
    PLAY(h->start("GroupList"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].starts_with("View Open Error: Error: (")) << messages()[0];
    EXPECT_EQ(rows("?GROUPS").size(), 3u);
}

TEST_F(BrowseTest, AChildFilterMayNameItsParentsFields) {
    addGroup(1, "Видна", 1);
    addGroup(2, "Скрыта", 0);
    addMember(1, 1, "Мурка");
    addMember(2, 2, "Барсик");
    scene().list = [](GroupListWindow& w) { w.BRW2.setFilter("(GRP:chek)"); };
    PLAY(h->start("GroupList"));
    EXPECT_EQ(rows("?MEMBERS"), (Lines{"1|Мурка|"}));
    PLAY(h->click("?GROUPS", 2));
    EXPECT_TRUE(rows("?MEMBERS").empty());
    EXPECT_TRUE(messages().empty());
}

TEST_F(BrowseTest, InsertChangeAndDeleteThroughTheForms) {
    addGroup(1, "Альфа");
    addGroup(2, "Бета");
    addMember(1, 1, "Мурка");
    addMember(2, 2, "Барсик");
    PLAY(h->start("GroupList"));
    PLAY(h->click("?GROUPS", 2));

    // A new member gets the next number, the file's defaults and the group of the range.
    PLAY(h->press("?INSERT:2"));
    PLAY(h->expectWindow("MemberForm"));
    PLAY(h->expectValue("?MEM:NO", "3"));
    PLAY(h->expectValue("?MEM:GRP", "2"));
    PLAY(h->type("?MEM:NAME", "Пушок"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("MemberForm"));
    EXPECT_EQ(members(), (Lines{"1 1 Мурка 0", "2 2 Барсик 0", "3 2 Пушок 1"}));
    EXPECT_EQ(rows("?MEMBERS"), (Lines{"2|Барсик|", "3|Пушок|"}));
    EXPECT_EQ(highlighted("?MEMBERS"), 2) << "the new record is highlighted";

    // Ctrl+Enter changes the highlighted member; a double click does the same.
    PLAY(h->key("?MEMBERS", "Ctrl+Enter"));
    PLAY(h->expectValue("?MEM:NAME", "Пушок"));
    PLAY(h->type("?MEM:NAME", "Пух"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(rows("?MEMBERS"), (Lines{"2|Барсик|", "3|Пух|"}));
    PLAY(h->click("?GROUPS", 1, "", "double"));
    PLAY(h->expectWindow("GroupForm"));
    PLAY(h->expectStatus(2, "Изменить запись"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->click("?GROUPS", 2));
    PLAY(h->select("?MEMBERS", 2));

    // Delete asks first; the list shows the row after the deleted one.
    PLAY(h->answer("Yes"));
    PLAY(h->key("?MEMBERS", "Delete"));
    PLAY(h->expectMessage("Confirm Delete", "Удалить запись?"));
    EXPECT_EQ(members(), (Lines{"1 1 Мурка 0", "2 2 Барсик 0"}));
    EXPECT_EQ(rows("?MEMBERS"), (Lines{"2|Барсик|"}));

    // A group that still has members is not deleted.
    PLAY(h->answer("Yes"));
    PLAY(h->press("?DELETE"));
    PLAY(h->expectMessage("Confirm Delete", "Удалить запись?"));
    EXPECT_EQ(groups().size(), 2u);
    EXPECT_EQ(messages().size(), 3u);
}

int shownMark = 1;

TEST_F(BrowseTest, AnOrderTextRangedOnAVariable) {
    addGroup(1, "B", 1);
    addGroup(2, "A", 1);
    addGroup(3, "A", 1);
    addGroup(4, "C", 0);
    shownMark = 1;
    scene().list = [](GroupListWindow& w) {
        w.BRW1.addSortOrder("+GRP:CHEK,+GRP:NAME");
        w.BRW1.appendOrder("-GRP:KOD");
        w.BRW1.addRange({[] { return Value(shownMark); }});
        w.BRW1.SetSort(2);
    };
    PLAY(h->start("GroupList"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"3|A", "2|A", "1|B"}));
    // The range is read again after every event: the list follows the variable.
    shownMark = 0;
    PLAY(h->click("?GROUPS", 2));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"4|C"}));
    // A new record starts with the range's value.
    PLAY(h->press("?INSERT"));
    PLAY(h->expectValue("?GRP:CHEK", "0"));
    PLAY(h->type("?GRP:KOD", "5"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(rows("?GROUPS"), (Lines{"5|", "4|C"}));
}

TEST_F(BrowseTest, ColumnSortKeepsTheRangeAndTheHighlightedRecord) {
    addGroup(1, "C");
    addGroup(2, "A");
    addGroup(3, "B");
    addKind(1, "Z");
    addMember(1, 1, "Y", 1);
    addMember(2, 1, "X");
    addMember(3, 2, "W");
    PLAY(h->start("GroupList"));
    PLAY(h->select("?GROUPS", 3));
    takeTrace();
    ui::Window& w = *h->current();
    PLAY(ui::input::clickHeader(w, w.idOf("?GROUPS"), 1));
    PLAY(h->settle());
    EXPECT_EQ(rows("?GROUPS"), (Lines{"2|A", "3|B", "1|C"}));
    EXPECT_EQ(highlighted("?GROUPS"), 2) << "group 3 stays highlighted";
    PLAY(h->key("?GROUPS", "C"));
    EXPECT_EQ(highlighted("?GROUPS"), 3) << "the locator now looks for names";
    PLAY(ui::input::clickHeader(w, w.idOf("?GROUPS"), 1));
    PLAY(h->settle());
    EXPECT_EQ(rows("?GROUPS"), (Lines{"1|C", "3|B", "2|A"}));
    PLAY(ui::input::clickHeader(w, w.idOf("?GROUPS"), 1));
    PLAY(h->settle());
    EXPECT_EQ(rows("?GROUPS"), (Lines{"1|C", "2|A", "3|B"}));
    Lines trace = takeTrace();
    std::erase_if(trace, [](const std::string& t) { return !t.starts_with("resorted"); });
    EXPECT_EQ(trace, (Lines{"resorted +GRP:NAME", "resorted -GRP:NAME", "resorted "}));

    // The members of group 1 sorted by name; a joined column does not sort.
    PLAY(h->select("?GROUPS", 1));
    PLAY(ui::input::clickHeader(w, w.idOf("?MEMBERS"), 1));
    PLAY(h->settle());
    EXPECT_EQ(rows("?MEMBERS"), (Lines{"2|X|", "1|Y|Z"}));
    PLAY(ui::input::clickHeader(w, w.idOf("?MEMBERS"), 2));
    PLAY(h->settle());
    EXPECT_EQ(rows("?MEMBERS"), (Lines{"2|X|", "1|Y|Z"}));

    // A double click on a title's divider fits the column to its content.
    auto* list = dynamic_cast<ui::ListControl*>(h->find("?GROUPS"));
    list->change().setColumnWidth(1, 1);
    PLAY(ui::input::clickHeader(w, w.idOf("?GROUPS"), 1, true));
    PLAY(h->settle());
    EXPECT_GE(list->model().columns()[1].width, static_cast<int>(std::string_view("Название").size() / 2));
}

}  // namespace
}  // namespace vx::classes::testing
