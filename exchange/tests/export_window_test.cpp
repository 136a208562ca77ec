// The export window's measure lists, played headless: each shows the schemes of
// the species other windows left in IDVIDANIM, and a pick leaves the measure in
// its kind's globals.

#include <gtest/gtest.h>

#include "app/globals.h"
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

}  // namespace
}  // namespace vx::exchange::testing
