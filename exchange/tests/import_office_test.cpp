// The import of animals from a workbook, against the program's own LibreOffice:
// a sheet written by export variant 8 comes back as passports of another farm,
// numbered after the highest id; empty rows skipped, bad rows rejected and
// reported; refusals that add nothing.

#include <gtest/gtest.h>

#include "exchange/tests/exchange_workbook.h"
#include "office/excel_template.h"
#include "office/tests/office_play.h"
#include "platform/core/dates.h"

namespace vx::exchange::testing {
namespace {

const std::string kCaption = "Первоначальный ввод данных: ";

class ImportWorkbook : public ExchangeWorkbookTest {
protected:
    ImportChoice into(const std::filesystem::path& book, int first, int last) const {
        return {Decimal(2), Decimal(5), book.string(), first, last};
    }
    // A workbook holding the cells given, made through the office layer.
    std::filesystem::path workbookWith(const Cells& cells) {
        long control = 0;
        onThread([&] {
            office::ExcelTemplate excel;
            control = excel.control().number();
            excel.open(templatePath.string());
            for (const auto& [cell, text] : cells) excel.setLiteral(cell, text);
            excel.show();
        });
        return office::testing::shownDocument(control, "ods");
    }
};

TEST_F(ImportWorkbook, ASheetOfVariantEightComesBackAsPassportsOfAnotherFarmNumberedAfterTheHighest) {
    ASSERT_EQ(exportWith(choice(8)), ExportEnd::Done);
    const std::filesystem::path sheet = shown();
    ASSERT_FALSE(sheet.empty());
    const std::string sheetBytes = office::testing::fileBytes(sheet);
    deletePassport(3);  // five left: the count + 1 would collide with passport 6

    // Rows 17 to 19 are the animals, 20 the inserted empty row.
    ASSERT_EQ(importWith(into(sheet, 17, 20)), ImportEnd::Done);
    EXPECT_EQ(runMessages(), (Lines{kCaption + "Ввод данных закончен!",
                                    kCaption + "Добавлено: 3. Пропущено пустых строк: 1. Отклонено: 0."}));
    const Lines all = passports();
    EXPECT_EQ(Lines(all.begin() + 5, all.end()), (Lines{
                                                     "7|2|5|||99|12|Петров||1",
                                                     "8|2|5|A7|01.12.2020|3|12|Сидоров|Ул. Лесная 2|2",
                                                     "9|2|5|000123|05.03.2019|3|12|=Иванов|ул. Мира 1|2",
                                                 }));
    EXPECT_FALSE(shown().empty()) << "the workbook comes into view";
    EXPECT_EQ(office::testing::fileBytes(sheet), sheetBytes) << "the workbook is read, not changed";
}

TEST_F(ImportWorkbook, RejectedRowsAreReportedAndTheOthersAdded) {
    const std::filesystem::path book =
        workbookWith({{"B5", "K1"}, {"H5", "1"}, {"B6", "K2"}, {"H6", "7"}, {"B8", "K3"}, {"C8", "вчера"}});
    ASSERT_EQ(importWith(into(book, 5, 8)), ImportEnd::Done);
    EXPECT_EQ(runMessages(),
              (Lines{kCaption + "Ввод данных закончен!",
                     kCaption + "Добавлено: 1. Пропущено пустых строк: 1. Отклонено: 2.\nОтклонены строки: 6, 8"}));
    EXPECT_EQ(passports().back(), "7|2|5|K1||0|0|||1");
}

TEST_F(ImportWorkbook, RefusalsAddNothing) {
    const std::filesystem::path book = workbookWith({{"B5", "K1"}});
    ImportChoice noFarm = into(book, 5, 5);
    noFarm.farm.reset();
    ImportChoice otherHolding = into(book, 5, 5);
    otherHolding.farm = Decimal(2);  // a farm of holding 1
    const struct {
        const char* what;
        ImportChoice choice;
        ImportEnd end;
        Lines said;  // "" for the office layer's message
    } cases[] = {
        {"no farm picked", noFarm, ImportEnd::Stopped, {kCaption + "Выберите ферму, в которую вводятся животные."}},
        {"a farm of another holding",
         otherHolding,
         ImportEnd::Stopped,
         {kCaption + "Выбранная ферма не относится к выбранному хозяйству."}},
        {"a first row below 1",
         into(book, 0, 5),
         ImportEnd::Stopped,
         {kCaption + "Первая строка листа должна быть не меньше 1."}},
        {"a workbook that does not open", into(dir / "нет такого.xls", 5, 5), ImportEnd::Stopped, {""}},
        {"no workbook path", into("", 5, 5), ImportEnd::CloseWindow, {}},
    };
    const Lines before = passports();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(importWith(c.choice), c.end);
        const Lines said = runMessages();
        ASSERT_EQ(said.size(), c.said.size());
        if (!said.empty() && c.said[0].empty()) EXPECT_EQ(said[0].rfind("Ошибка автоматизации: ", 0), 0u) << said[0];
        else EXPECT_EQ(said, c.said);
        EXPECT_EQ(passports(), before);
    }
}

}  // namespace
}  // namespace vx::exchange::testing
