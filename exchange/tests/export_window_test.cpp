// The export window played headless: each measure list shows the schemes of the
// species other windows left in IDVIDANIM, a pick leaves the measure in its kind's
// globals, and what the lists highlight on their own changes no global.

#include <gtest/gtest.h>

#include "context/globals.h"
#include "exchange/exchange_windows.h"
#include "exchange/tests/exchange_fixture.h"

namespace vx::exchange::testing {
namespace {

class ExportWindowTest : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        addSpecies(4, "МРС");
        addScheme(false, *Decimal::parse("5.1"), 3, "Сибирская язва");
        addScheme(false, 6, 4, "Бешенство");
        addScheme(true, 7, 3, "Туберкулёз");
        addScheme(true, 8, 4, "Бруцеллёз");
        h->addProcedure("WinExport", WinExport);
        glo::IDVIDANIM = 3;
    }
};

TEST_F(ExportWindowTest, EachMeasureListShowsTheSpeciesSchemesAndAPickSetsItsKindsGlobals) {
    struct Case {
        const char* list;
        const char* row;
        const Dec* chosen;
        const char* id;
        const Str* chosenName;
        const char* name;
    };
    const Case cases[] = {
        {"?TAS:NAME", "Туберкулёз|7.0|3", &glo::IDTASK, "7", &glo::TASNAME, "Туберкулёз"},
        {"?BOL:NAME", "Сибирская язва|5.1|3", &glo::IDBOL, "5.1", &glo::BOLNAME, "Сибирская язва"},
    };
    PLAY(h->start("WinExport"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        PLAY(h->expectRows(c.list, 1));
        PLAY(h->expectRow(c.list, 1, c.row));
        PLAY(h->select(c.list, 1));
        EXPECT_EQ(c.chosen->value(), *Decimal::parse(c.id));
        EXPECT_EQ(c.chosenName->str(), c.name);
    }
}

TEST_F(ExportWindowTest, OpeningShowsTheHighlightedTemplateAndLeavesTheGlobalsToTheUsersPicks) {
    addTemplate(1, "Опись", "опись.xls", 3, 9);
    // What the register and the scheme windows left.
    glo::IDTASK = 8;
    glo::TASNAME = "Бруцеллёз";
    glo::IDBOL = 6;
    glo::NAMEFILE = "анализ.xls";
    glo::ROW1 = 17;
    glo::VRASCH = 0;
    PLAY(h->start("WinExport"));
    PLAY(h->expectValue("?ROW1", "9"));
    PLAY(h->expectValue("?VRASCH", "3"));
    EXPECT_EQ(glo::IDTASK.value(), Decimal(8));
    EXPECT_EQ(glo::TASNAME.str(), "Бруцеллёз");
    EXPECT_EQ(glo::IDBOL.value(), Decimal(6));
    EXPECT_EQ(glo::NAMEFILE.str(), "анализ.xls");
    EXPECT_EQ(glo::ROW1.value(), Decimal(17));
    EXPECT_EQ(glo::VRASCH.value(), Decimal(0));

    PLAY(h->select("?EXP:NAME", 1));
    EXPECT_EQ(glo::NAMEFILE.str(), "опись.xls");
    EXPECT_EQ(glo::ROW1.value(), Decimal(9));
    EXPECT_EQ(glo::VRASCH.value(), Decimal(3));
}

// The list shows five rows: Down past the fifth, Home and End scroll it.
TEST_F(ExportWindowTest, ATemplateHighlightedByTheKeyboardIsPickedAsByAClick) {
    for (int n = 1; n <= 7; ++n)
        addTemplate(n, "Шаблон " + std::to_string(n), "шаблон " + std::to_string(n) + ".xls", n, 10 + n);
    const struct {
        const char* keys;
        int row;
    } steps[] = {{"Down", 2}, {"Down Down Down Down Down", 7}, {"Up", 6}, {"Home", 1}, {"End", 7}};
    PLAY(h->start("WinExport"));
    PLAY(h->select("?EXP:NAME", 1));
    for (const auto& s : steps) {
        SCOPED_TRACE(s.keys);
        PLAY(h->key("?EXP:NAME", s.keys));
        PLAY(h->expectValue("?ROW1", std::to_string(10 + s.row)));
        PLAY(h->expectValue("?VRASCH", std::to_string(s.row)));
        EXPECT_EQ(glo::NAMEFILE.str(), "шаблон " + std::to_string(s.row) + ".xls");
        EXPECT_EQ(glo::ROW1.value(), Decimal(10 + s.row));
        EXPECT_EQ(glo::VRASCH.value(), Decimal(s.row));
    }
}

}  // namespace
}  // namespace vx::exchange::testing
