// The holding and farm combos of the export and import windows, played headless:
// they open empty whatever other windows left, a holding empties a farm of another
// holding, the globals follow the user's picks only, and a start before both are
// picked says which is missing and does nothing else.

#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "exchange/exchange_windows.h"
#include "exchange/tests/exchange_fixture.h"

namespace vx::exchange::testing {
namespace {

struct Twin {
    const char* procedure;
    const char* start;  // the button that starts the operation
    const char* caption;
    const char* noPlace;
    const char* noHolding;
    const char* noFarm;
};

const Twin kTwins[] = {
    {"WinExport", "?BUTTON9", "Экспорт в Excel", "Выберите хозяйство и ферму, животные которых экспортируются.",
     "Выберите хозяйство, животные которого экспортируются.", "Выберите ферму, животные которой экспортируются."},
    {"WinImport", "?BUTTON4", "Первоначальный ввод данных", "Выберите хозяйство и ферму, в которые вводятся животные.",
     "Выберите хозяйство, в которое вводятся животные.", "Выберите ферму, в которую вводятся животные."},
};

class PlacePickersTest : public ExchangeTest, public ::testing::WithParamInterface<Twin> {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        h->addProcedure("WinExport", WinExport);
        h->addProcedure("WinImport", WinImport);
        addTemplate(1, "Опись", "нет такого шаблона.xls", 1, 16);
        // What the register left.
        glo::IDHOZ = 1;
        glo::HOZNAME = "Заря";
        glo::IDFERM = 2;
        glo::FERNAME = "Ферма №2";
    }
    // A start the window would otherwise run: a template or a workbook to use.
    void readyToStart() {
        if (std::string(GetParam().procedure) == "WinExport") {
            PLAY(h->select("?EXP:NAME", 1));
        } else {
            PLAY(h->type("?NAMEFILE", (dir / "нет такой книги.xls").string()));
            PLAY(h->type("?ROW1", "5"));
            PLAY(h->type("?ROW2", "6"));
        }
    }
    void expectStartSays(const char* text) {
        const std::size_t before = messages().size();
        const Lines passportsBefore = passports();
        PLAY(h->focus(GetParam().start));
        ASSERT_EQ(messages().size(), before + 1);
        EXPECT_EQ(messages().back(), std::string(GetParam().caption) + ": " + text);
        EXPECT_EQ(passports(), passportsBefore);
        PLAY(h->expectWindow(GetParam().procedure));
        PLAY(h->focus("?HOZ:NAME"));
    }
};

TEST_P(PlacePickersTest, OpenEmptyAndAStartBeforeBothArePickedSaysWhichIsMissing) {
    PLAY(h->start(GetParam().procedure));
    PLAY(h->expectValue("?HOZ:NAME", ""));
    PLAY(h->expectValue("?FER:NAME", ""));
    EXPECT_EQ(glo::HOZNAME.str(), "Заря");
    readyToStart();
    expectStartSays(GetParam().noPlace);

    PLAY(h->choose("?FER:NAME", "Ферма №2"));
    expectStartSays(GetParam().noHolding);
    PLAY(h->choose("?HOZ:NAME", "Заря"));
    PLAY(h->expectValue("?FER:NAME", "Ферма №2"));  // a farm of the holding stays

    PLAY(h->choose("?HOZ:NAME", "Восход"));
    PLAY(h->expectValue("?FER:NAME", ""));  // a farm of another holding goes
    EXPECT_EQ(glo::IDHOZ.value(), Decimal(2));
    EXPECT_EQ(glo::HOZNAME.str(), "Восход");
    EXPECT_EQ(glo::IDFERM.value(), Decimal(2)) << "the user picked no other farm";
    EXPECT_EQ(glo::FERNAME.str(), "Ферма №2");
    expectStartSays(GetParam().noFarm);

    PLAY(h->choose("?FER:NAME", "Ферма №3"));
    EXPECT_EQ(glo::IDFERM.value(), Decimal(3));
    expectStartSays("Выбранная ферма не относится к выбранному хозяйству.");
}

INSTANTIATE_TEST_SUITE_P(Windows, PlacePickersTest, ::testing::ValuesIn(kTwins),
                         [](const auto& info) { return std::string(info.param.procedure); });

}  // namespace
}  // namespace vx::exchange::testing
