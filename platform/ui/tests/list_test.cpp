#include <gtest/gtest.h>

#include "platform/ui/tests/test_window.h"

namespace vx::ui {
namespace {

using testing::Log;
using testing::TestWindow;

ListRow row(long id, const char* name, int32_t date) {
    return ListRow{{{Value(id)}, {Value(name)}, {Value(static_cast<long>(date))}}};
}

class Lists : public ::testing::Test {
protected:
    void SetUp() override {
        TestWindow browse{"Browsehoz",
                          [](LayoutBuilder& b) {
                              ListControl& l = b.list("?LIST", 3);
                              ListModel& m = l.change();
                              m.addColumn(ListColumn("iD", "@n_2b", 2).right().withIcons());
                              m.addColumn(ListColumn("Хозяйство", "@s40", 40));
                              m.addColumn(ListColumn("Дата", "@d6.b", 10));
                              m.addGroup({"Владелец", 1, 2});
                              m.setStyle(3,
                                         {{"Arial Cyr", 7, kNormalWeight},
                                          {colourFromHex("#03BA48"), kNoColour, colourFromHex("#0080C0"), kNoColour}});
                              m.setIcon(1, "~CHEK.ICO");
                              std::vector<ListRow> rows{row(5, "Заря", makeDate(12, 8, 2026)), row(0, "Восход", 0),
                                                        row(12, "Рассвет", makeDate(1, 1, 1801))};
                              rows[1].cells[0].look = {{kNoColour, colourFromHex("#F2FFFB")}, 0, 3};
                              rows[0].cells[0].look.icon = 1;
                              m.setRows(std::move(rows));
                              m.setCurrent(0);
                              for (const char* k : {"Ctrl", "MouseRight", "Shift+MouseLeft", "Alt+K"})
                                  l.alert(*Key::parse(k));
                              b.button("?OK", "&Да");
                          },
                          &log};
        h.addProcedure("Browsehoz", browse);
        PLAY(h.start("Browsehoz"));
        list = h.current()->as<ListControl>("?LIST");
        log.clear();
    }

    Log log;
    headless::Harness h;
    ListControl* list = nullptr;  // the first control: it has the focus from the opening
};

TEST_F(Lists, CellsAndTheirLooksReadAsTheUserSeesThem) {
    PLAY(h.expectRows("?LIST", 3));
    PLAY(h.expectRow("?LIST", 1, "5|Заря|08.12.2026"));
    PLAY(h.expectRow("?LIST", 2, "|Восход|"));  // zero and no date show blank
    PLAY(h.expectRow("?LIST", 3, "12|Рассвет|01.01.1801"));
    EXPECT_FALSE(h.expectRow("?LIST", 2, "0|Восход|"));

    const auto look = h.cellLook("?LIST", 2, 1);
    ASSERT_TRUE(look);
    EXPECT_EQ(look->colours.background, 0xF2FFFB);
    EXPECT_EQ(look->colours.text, kNoColour);
    EXPECT_EQ(look->style, 3);
    EXPECT_EQ(list->model().style(3)->font.size, 7);
    EXPECT_EQ(list->model().iconName(h.cellLook("?LIST", 1, 1)->icon), "~CHEK.ICO");
    EXPECT_NE(h.dumpControl("?LIST").find("{bg=#F2FFFB style=3}"), std::string::npos) << h.dumpControl("?LIST");
    PLAY(h.expectValue("?LIST", "5|Заря|08.12.2026"));  // the highlighted row
}

TEST_F(Lists, MovesInsideThePageHighlightAndMovesPastItScroll) {
    PLAY(h.key("?LIST", "Down Down Down"));
    EXPECT_EQ(list->model().current(), 2);
    PLAY(h.key("?LIST", "PageDown Home End"));
    PLAY(h.select("?LIST", 1));
    PLAY(h.key("?LIST", "Up"));
    EXPECT_EQ(list->model().current(), 0);
    EXPECT_FALSE(h.select("?LIST", 4));
    EXPECT_EQ(log, (Log{"NewSelection ?LIST", "NewSelection ?LIST", "ScrollDown ?LIST", "PageDown ?LIST",
                        "ScrollTop ?LIST", "ScrollBottom ?LIST", "NewSelection ?LIST", "ScrollUp ?LIST"}));
}

TEST_F(Lists, AClickMovesTheHighlightThenReportsItsAlert) {
    PLAY(h.click("?LIST", 3, "Shift", "left"));
    EXPECT_EQ(list->model().current(), 2);
    PLAY(h.click("?LIST", 3, "", "right"));
    PLAY(h.click("?LIST", 1, "Alt", "left"));  // not alerted: only the move
    PLAY(h.click("?LIST", 1, "", "double"));
    EXPECT_EQ(log, (Log{"NewSelection ?LIST", "AlertKey ?LIST Shift+MouseLeft", "AlertKey ?LIST MouseRight",
                        "NewSelection ?LIST", "Accepted ?LIST"}));
}

TEST_F(Lists, CtrlAloneCountsOnlyAfterAKeyOrClickWithoutCtrl) {
    PLAY(h.key("?LIST", "Ctrl"));
    PLAY(h.key("?LIST", "Ctrl"));  // held down, or pressed again: not again
    PLAY(h.key("?LIST", "Down"));
    PLAY(h.key("?LIST", "Ctrl"));
    PLAY(h.click("?LIST", 1, "Ctrl"));  // Ctrl went down right after Ctrl: the click only moves
    PLAY(h.click("?LIST", 3, ""));
    PLAY(h.click("?LIST", 2, "Ctrl"));  // Ctrl first, on the row highlighted then; the click moves
    PLAY(h.key("?LIST", "Alt+K"));
    EXPECT_EQ(log, (Log{"AlertKey ?LIST Ctrl", "NewSelection ?LIST", "AlertKey ?LIST Ctrl", "NewSelection ?LIST",
                        "NewSelection ?LIST", "AlertKey ?LIST Ctrl", "NewSelection ?LIST", "AlertKey ?LIST Alt+K"}));
    EXPECT_EQ(list->model().current(), 1);
}

}  // namespace
}  // namespace vx::ui
