// The export and import windows played headless against the program's own
// LibreOffice: what is picked in the window is what the operation uses, whatever
// other windows leave in the globals meanwhile.

#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "exchange/exchange_windows.h"
#include "exchange/tests/exchange_workbook.h"
#include "exchange/variant_texts.h"
#include "office/tests/office_play.h"

namespace vx::exchange::testing {
namespace {

class ExchangeWindowsTest : public ExchangeWorkbookTest {
protected:
    void SetUp() override {
        ExchangeWorkbookTest::SetUp();
        h->addProcedure("WinExport", WinExport);
        h->addProcedure("WinImport", WinImport);
        addTemplate(1, "Список животных", templatePath.string(), 1, 16, 200);
    }
    // Another window's holding, farm, row and variant.
    static void otherWindowMoves() {
        glo::IDHOZ = 2;
        glo::IDFERM = 5;
        glo::ROW1 = 40;
        glo::VRASCH = 99;
    }
    std::filesystem::path lastShown() const { return office::testing::shownDocument(glo::FEQOLE, "ods"); }
};

TEST_F(ExchangeWindowsTest, TheExportUsesWhatWasPickedInItsWindowAndStartsEachTimeAtTheTemplatesRow) {
    PLAY(h->start("WinExport"));
    PLAY(h->choose("?HOZ:NAME", "Заря"));
    PLAY(h->choose("?FER:NAME", "Ферма №2"));
    PLAY(h->select("?EXP:NAME", 1));
    PLAY(h->expectValue("?ROW1", "16"));
    PLAY(h->expectValue("?VRASCH", "1"));
    PLAY(h->focus("?VRASCH"));
    EXPECT_EQ(h->tooltip("?VRASCH"), *variantTooltip(1));
    EXPECT_EQ(glo::IDHOZ.value(), Decimal(1));
    EXPECT_EQ(glo::NAMEFILE.str(), templatePath.string());

    const Cells expected{{"C4", "Заря"}, {"A16", ""}, {"A17", "1"}, {"A19", "3"}, {"B19", "000123"}, {"A21", "Итого"}};
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        otherWindowMoves();
        PLAY(h->focus("?SHAPKA"));
        PLAY(h->focus("?BUTTON9"));
        EXPECT_EQ(messages().back(), "Экспорт в Excel: Экспорт в Excel завершен!");
        EXPECT_EQ(values(lastShown(), {"C4", "A16", "A17", "A19", "B19", "A21"}), expected);
        PLAY(h->expectWindow("WinExport"));
    }
}

TEST_F(ExchangeWindowsTest, WithoutAPickInTheWindowTheExportOpensNoWorkbook) {
    glo::IDHOZ = 1;
    glo::HOZNAME = "Заря";
    glo::IDFERM = 2;
    glo::FERNAME = "Ферма №2";
    PLAY(h->start("WinExport"));
    PLAY(h->expectValue("?FER:NAME", ""));
    PLAY(h->select("?EXP:NAME", 1));
    const long before = office::testing::shownCount();
    PLAY(h->focus("?BUTTON9"));
    EXPECT_EQ(messages().back(), "Экспорт в Excel: Выберите хозяйство и ферму, животные которых экспортируются.");
    EXPECT_EQ(office::testing::shownCount(), before) << "no workbook came into view";

    PLAY(h->choose("?HOZ:NAME", "Заря"));
    PLAY(h->choose("?FER:NAME", "Ферма №2"));
    PLAY(h->focus("?BUTTON9"));
    EXPECT_EQ(messages().back(), "Экспорт в Excel: Экспорт в Excel завершен!");
    EXPECT_EQ(values(lastShown(), {"C4", "A19", "B19"}), (Cells{{"C4", "Заря"}, {"A19", "3"}, {"B19", "000123"}}));
}

TEST_F(ExchangeWindowsTest, AnExportWithoutATemplatePathClosesTheWindow) {
    addTemplate(2, "Без файла", "", 3, 5);
    PLAY(h->start("WinExport"));
    PLAY(h->select("?EXP:NAME", 2));
    PLAY(h->focus("?BUTTON9"));
    PLAY(h->expectClosed("WinExport"));
}

TEST_F(ExchangeWindowsTest, TheImportTakesOnlyTheHoldingAndFarmPickedInItsWindow) {
    ASSERT_EQ(exportWith(choice(8)), ExportEnd::Done);
    const std::filesystem::path sheet = shown();
    const Lines before = passports();
    otherWindowMoves();  // holding 2 and farm 5 in the globals, not picked here

    PLAY(h->start("WinImport"));
    PLAY(h->type("?NAMEFILE", sheet.string()));
    PLAY(h->type("?ROW1", "17"));
    PLAY(h->type("?ROW2", "19"));
    PLAY(h->focus("?BUTTON4"));
    EXPECT_EQ(messages().back(),
              "Первоначальный ввод данных: Выберите хозяйство и ферму, в которые вводятся животные.");
    EXPECT_EQ(passports(), before);

    PLAY(h->choose("?HOZ:NAME", "Восход"));
    PLAY(h->choose("?FER:NAME", "Ферма №5"));
    PLAY(h->focus("?BUTTON4"));
    // Row 17 is the animal of species 99, which the book lacks.
    EXPECT_EQ(messages().back(), "Первоначальный ввод данных: Добавлено: 2. Пропущено пустых строк: 0. Отклонено: "
                                 "1.\nОтклонены строки: 17");
    const Lines after = passports();
    ASSERT_EQ(after.size(), before.size() + 2);
    EXPECT_EQ(after.back(), "8|2|5|000123|05.03.2019|3|12|=Иванов|ул. Мира 1|2");
    EXPECT_EQ(glo::ROW2.value(), Decimal(19));

    PLAY(h->type("?NAMEFILE", ""));
    PLAY(h->focus("?ROW1"));
    PLAY(h->focus("?BUTTON4"));
    PLAY(h->expectClosed("WinImport"));
}

}  // namespace
}  // namespace vx::exchange::testing
