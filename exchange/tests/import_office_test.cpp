// The import of animals from a workbook, against the program's own LibreOffice:
// a sheet written by export variant 8 comes back as passports of another farm,
// numbered after the highest id; empty rows skipped, bad rows rejected and
// reported; refusals that add nothing.

#include <gtest/gtest.h>

#include <fstream>

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

    // Rows 17 to 19 are the animals, 20 the inserted empty row; row 17's species 99 is not in the book.
    ASSERT_EQ(importWith(into(sheet, 17, 20)), ImportEnd::Done);
    EXPECT_EQ(runMessages(),
              (Lines{kCaption + "Ввод данных закончен!",
                     kCaption + "Добавлено: 2. Пропущено пустых строк: 1. Отклонено: 1.\nОтклонены строки: 17"}));
    const Lines all = passports();
    EXPECT_EQ(Lines(all.begin() + 5, all.end()), (Lines{
                                                     "7|2|5|A7|01.12.2020|3|12|Сидоров|Ул. Лесная 2|2",
                                                     "8|2|5|000123|05.03.2019|3|12|=Иванов|ул. Мира 1|2",
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

// Rows that fit their cells but not the books or the calendar, among good ones.
TEST_F(ImportWorkbook, AHostileSheetAddsItsGoodRowsAndListsTheOthers) {
    fixToday(makeDate(6, 10, 2025));
    addSpecies(4, "МРС");
    addGroup(13, 4, "Овцематки");
    const std::filesystem::path book = workbookWith({
        {"B5", "K1"}, {"C5", "05.03.2019"}, {"D5", "3"},   {"E5", "12"},                  // good, H empty
        {"B6", "K2"}, {"D6", "777"},                                                    // no such species
        {"B7", "K3"}, {"D7", "3"},          {"E7", "99"},                               // no such group
        {"B8", "K4"}, {"D8", "3"},          {"E8", "13"},                               // a group of sheep
        {"B9", "K5"}, {"C9", "11.06.2025"}, {"D9", "3"},                                // born tomorrow
        {"B10", "K6"}, {"C10", "10.06.2025"}, {"D10", "4"}, {"E10", "13"}, {"H10", "1"}  // good, born today
    });
    ASSERT_EQ(importWith(into(book, 5, 10)), ImportEnd::Done);
    EXPECT_EQ(runMessages(),
              (Lines{kCaption + "Ввод данных закончен!",
                     kCaption + "Добавлено: 2. Пропущено пустых строк: 0. Отклонено: 4.\nОтклонены строки: 6, 7, 8, 9"}));
    const Lines all = passports();
    EXPECT_EQ(Lines(all.end() - 2, all.end()),
              (Lines{"7|2|5|K1|05.03.2019|3|12|||0", "8|2|5|K6|10.06.2025|4|13|||1"}));
}

TEST_F(ImportWorkbook, RefusalsAddNothing) {
    const std::filesystem::path book = workbookWith({{"B5", "K1"}});
    ImportChoice noFarm = into(book, 5, 5);
    noFarm.farm.reset();
    ImportChoice otherHolding = into(book, 5, 5);
    otherHolding.farm = Decimal(2);  // a farm of holding 1
    const std::filesystem::path missing = dir / "нет такого.xls", folder = dir / "папка.xlsx",
                                bytes = dir / "случайные байты.xlsx";
    std::filesystem::create_directories(folder);
    {
        std::ofstream out(bytes, std::ios::binary);
        for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 7919 + 13) % 251));
    }
    const std::string cannot = "Файл не открывается: ";
    const struct {
        const char* what;
        ImportChoice choice;
        ImportEnd end;
        Lines said;
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
        {"a missing workbook", into(missing, 5, 5), ImportEnd::Stopped, {cannot + "Файл «" + missing.string() + "» не найден."}},
        {"a folder", into(folder, 5, 5), ImportEnd::Stopped,
         {cannot + "«" + folder.string() + "» — это папка, а не файл книги Excel."}},
        {"random bytes", into(bytes, 5, 5), ImportEnd::Stopped,
         {cannot + "Файл «" + bytes.string() + "» не является книгой Excel или повреждён."}},
        {"no workbook path", into("", 5, 5), ImportEnd::CloseWindow, {}},
    };
    const Lines before = passports();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(importWith(c.choice), c.end);
        EXPECT_EQ(runMessages(), c.said);
        EXPECT_EQ(passports(), before);
    }
}

}  // namespace
}  // namespace vx::exchange::testing
