#include <gtest/gtest.h>

#include "context/globals.h"
#include "database/tests/database_windows_fixture.h"
#include "tests/other_station.h"

namespace vx::database::testing {
namespace {

class BrowseBDTest : public DatabaseWindowsTest {
protected:
    void SetUp() override {
        DatabaseWindowsTest::SetUp();
        addGroup(1, "Район");
        addGroup(2, "Скрытое хозяйство", 0);
        addGroup(3, "Ветуправление");
        addGroup(4, "Без баз");
        addDatabase(1, "/bases/first/", "Первая");
        addDatabase(1, "/bases/second/  ", "Вторая");
        addDatabase(3, "/bases/third/", "Третья");
    }
    std::string put1() const { return glo::PUT1.str(); }
};

TEST_F(BrowseBDTest, TheDatabaseInTheListsCurrentRowIsChosen) {
    EXPECT_EQ(put1(), "");
    PLAY(h->start("BrowseBD"));
    EXPECT_EQ(rows("?BROWSE:1"), (Lines{"1|Район", "3|Ветуправление", "4|Без баз"}));
    EXPECT_EQ(rows("?LIST"), (Lines{"Первая|/bases/first/", "Вторая|/bases/second/"}));
    // Opening chooses the first database of the first group object, all seven names at once.
    EXPECT_EQ(put1(), "/bases/first/hoz.tps");
    EXPECT_EQ(glo::PUT2.str(), "/bases/first/ferma.tps");
    EXPECT_EQ(glo::PUT5.str(), "/bases/first/pasport.tps");
    EXPECT_EQ(glo::PUT9.str(), "/bases/first/pvsego.tps");
    EXPECT_EQ(h->value("?KON:PATH"), "/bases/first/");

    // A click chooses the clicked database, not the one highlighted before.
    PLAY(h->click("?LIST", 2));
    EXPECT_EQ(put1(), "/bases/second/hoz.tps");
    EXPECT_EQ(glo::PUT8.str(), "/bases/second/dvsego.tps");
    PLAY(h->key("?LIST", "Up"));
    EXPECT_EQ(put1(), "/bases/first/hoz.tps");

    // Another group object: its first database.
    PLAY(h->click("?BROWSE:1", 2));
    EXPECT_EQ(rows("?LIST"), (Lines{"Третья|/bases/third/"}));
    EXPECT_EQ(put1(), "/bases/third/hoz.tps");
    // One without databases leaves the choice as it was.
    PLAY(h->click("?BROWSE:1", 3));
    EXPECT_TRUE(rows("?LIST").empty());
    PLAY(h->focus("?LIST"));
    EXPECT_EQ(put1(), "/bases/third/hoz.tps");
    EXPECT_EQ(glo::PUT6.str(), "/bases/third/vpo.tps");
}

TEST_F(BrowseBDTest, MarksAnotherStationHoldsOffChangeNothingAndSaySo) {
    PLAY(h->start("BrowseBD"));
    const Lines before = groups();
    {
        const vx::testing::HeldWriteLocks other({(dir / "RIDGEN.TPS").string()});
        ASSERT_TRUE(other.held());
        PLAY(h->click("?BROWSE:1", 1, "Ctrl Shift"));
    }
    EXPECT_EQ(groups(), before);
    EXPECT_EQ(messages().back(), "Административное деление: База данных занята другой станцией. Повторите позже.");
}

TEST_F(BrowseBDTest, CodeColumnShowsTheMarkInTheGreenStyle) {
    PLAY(h->start("BrowseBD"));
    const auto look = h->cellLook("?BROWSE:1", 1, 1);
    ASSERT_TRUE(look);
    EXPECT_EQ(look->icon, 1);
    EXPECT_EQ(look->style, 1);
    EXPECT_EQ(h->cellLook("?BROWSE:1", 1, 2)->style, 0);
}

TEST_F(BrowseBDTest, ClicksWithModifiersMarkTheGroupObjects) {
    addGroup(5, "Особое", 7);
    PLAY(h->start("BrowseBD"));
    // Alt: the clicked object only, which leaves the list.
    PLAY(h->click("?BROWSE:1", 2, "Alt"));
    EXPECT_EQ(groups(),
              (Lines{"1 Район 1", "2 Скрытое хозяйство 0", "3 Ветуправление 0", "4 Без баз 1", "5 Особое 7"}));
    EXPECT_EQ(rows("?BROWSE:1"), (Lines{"1|Район", "4|Без баз"}));

    // Ctrl+Shift: every mark reversed, other values kept.
    PLAY(h->click("?BROWSE:1", 1, "Ctrl Shift"));
    EXPECT_EQ(groups(),
              (Lines{"1 Район 0", "2 Скрытое хозяйство 1", "3 Ветуправление 1", "4 Без баз 0", "5 Особое 7"}));
    EXPECT_EQ(rows("?BROWSE:1"), (Lines{"2|Скрытое хозяйство", "3|Ветуправление"}));

    // Shift: all hidden; the database list shows nothing either.
    PLAY(h->click("?BROWSE:1", 1, "Shift"));
    EXPECT_EQ(groups(),
              (Lines{"1 Район 0", "2 Скрытое хозяйство 0", "3 Ветуправление 0", "4 Без баз 0", "5 Особое 0"}));
    EXPECT_TRUE(rows("?BROWSE:1").empty());
    EXPECT_TRUE(rows("?LIST").empty());

    // Ctrl on the empty list: all shown again.
    PLAY(h->click("?BROWSE:1", 0, "Ctrl"));
    EXPECT_EQ(rows("?BROWSE:1").size(), 5u);
    EXPECT_EQ(groups()[4], "5 Особое 1");
}

TEST_F(BrowseBDTest, AltF10ShowsTheSixButtonsAndOnlyThenTheEditKeysWork) {
    const std::vector<std::string> buttons = {"?INSERT:4", "?CHANGE:4", "?DELETE:4", "?INSERT", "?CHANGE", "?DELETE"};
    PLAY(h->start("BrowseBD"));
    for (const auto& b : buttons) EXPECT_FALSE(shownAndUsable(b)) << b;
    PLAY(h->key("?BROWSE:1", "Insert"));
    EXPECT_FALSE(h->expectWindow("UpdateBD"));

    PLAY(h->key("?BROWSE:1", "Alt+F10"));
    for (const auto& b : buttons) EXPECT_TRUE(shownAndUsable(b)) << b;
    PLAY(h->key("?BROWSE:1", "Insert"));
    PLAY(h->expectWindow("UpdateBD"));
}

TEST_F(BrowseBDTest, GroupObjectsAreAddedChangedAndDeletedWithTheirDatabases) {
    PLAY(h->start("BrowseBD"));
    PLAY(h->key("?BROWSE:1", "Alt+F10"));

    PLAY(h->press("?INSERT:4"));
    PLAY(h->expectWindow("UpdateBD"));
    PLAY(h->expectStatus(2, "Добавить запись"));
    PLAY(h->expectValue("?RID:KOD", "5"));  // the next free code
    PLAY(h->type("?RID:NAME", "Новый район"));
    PLAY(h->press("?RID:CHEK"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateBD"));
    EXPECT_EQ(groups().back(), "5 Новый район 1");
    EXPECT_EQ(rows("?BROWSE:1").back(), "5|Новый район");

    // A code already taken.
    PLAY(h->press("?INSERT:4"));
    PLAY(h->type("?RID:KOD", "3"));
    PLAY(h->type("?RID:NAME", "Двойник"));
    PLAY(h->press("?OK"));
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(messages().back().rfind("Дубликат ключа: ", 0), 0u) << messages().back();
    PLAY(h->expectWindow("UpdateBD"));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectClosed("UpdateBD"));

    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->press("?CHANGE:4"));
    PLAY(h->expectStatus(2, "Изменить запись"));
    PLAY(h->type("?RID:NAME", "Район первый"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(groups().front(), "1 Район первый 1");

    // Deleting a group object deletes its database entries, and no other.
    PLAY(h->answer("Yes"));
    PLAY(h->press("?DELETE:4"));
    EXPECT_EQ(groups().front(), "2 Скрытое хозяйство 0");
    EXPECT_EQ(databases(), (Lines{"3 /bases/third/ Третья"}));
}

TEST_F(BrowseBDTest, DatabaseEntriesAreAddedForTheCurrentGroupObject) {
    PLAY(h->start("BrowseBD"));
    PLAY(h->key("?BROWSE:1", "Alt+F10"));
    PLAY(h->click("?BROWSE:1", 2));
    PLAY(h->press("?INSERT"));
    PLAY(h->expectWindow("UpdateConfig"));
    PLAY(h->expectValue("?KON:KOD", "3"));
    EXPECT_FALSE(h->type("?KON:PATH", "/x")) << "the path waits for Alt+F10";
    PLAY(h->key("?KON:KOD", "Alt+F10"));
    PLAY(h->type("?KON:PATH", "  /bases/fourth"));
    PLAY(h->type("?KON:NAME", "Четвёртая"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateConfig"));
    EXPECT_EQ(databases().back(), "3 /bases/fourth/ Четвёртая");
    EXPECT_EQ(rows("?LIST"), (Lines{"Третья|/bases/third/", "Четвёртая|/bases/fourth/"}));

    PLAY(h->click("?LIST", 1));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?DELETE"));
    EXPECT_EQ(rows("?LIST"), (Lines{"Четвёртая|/bases/fourth/"}));
}

}  // namespace
}  // namespace vx::database::testing
