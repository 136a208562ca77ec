// The export of marked animals into a template, against the program's own
// LibreOffice: the heading cells and rows by variant, texts kept as texts, the
// rows inserted one below the other, the messages, variants 0 and 99.

#include <gtest/gtest.h>

#include <fstream>

#include "context/globals.h"
#include "exchange/tests/exchange_workbook.h"
#include "platform/core/dates.h"

namespace vx::exchange::testing {
namespace {

const std::string kDone = "Экспорт в Excel: Экспорт в Excel завершен!";

TEST_F(ExchangeWorkbookTest, VariantOneWritesTheHeadingAndOneRowPerMarkedAnimalAsText) {
    fixToday(makeDate(6, 10, 2025));
    Cells expected = {
        {"C4", "Заря"},
        {"F4", "Ферма №2"},
        {"F1", "10.06.2025"},
        {"A17", "1"},
        {"B17", ""},
        {"C17", ""},
        {"D17", ""},
        {"E17", "Коровы"},
        {"F17", "Петров"},
        {"G17", ""},
        {"A18", "2"},
        {"B18", "A7"},
        {"C18", "01.12.2020"},
        {"D18", "КРС"},
        {"E18", "Коровы"},
        {"F18", "Сидоров"},
        {"G18", "Ул. Лесная 2"},
        {"A19", "3"},
        {"B19", "000123"},
        {"C19", "05.03.2019"},
        {"D19", "КРС"},
        {"E19", "Коровы"},
        {"F19", "=Иванов"},
        {"G19", "ул. Мира 1"},
        {"A20", ""},
        {"A21", "Итого"},
        {"A1", "Отчёт"},
    };
    std::vector<std::string> cells;
    for (const auto& [cell, value] : expected) cells.push_back(cell);
    // A second export without a new pick starts from the same first row again.
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        glo::ROW2 = 40;
        ASSERT_EQ(exportWith(choice(1)), ExportEnd::Done);
        EXPECT_EQ(runMessages(), Lines{kDone});
        EXPECT_EQ(glo::ROW2.value(), Decimal(3)) << "the number of animals exported";
        ASSERT_FALSE(shown().empty());
        EXPECT_EQ(values(shown(), cells), expected);
    }
}

TEST_F(ExchangeWorkbookTest, OtherVariantsWriteTheirHeadingAndColumns) {
    fixToday(makeDate(6, 10, 2025));
    const struct {
        int variant;
        bool free;
        Cells expected;
    } cases[] = {
        {2,
         true,
         {{"A3", "Произвольный отчет"},
          {"B3", ""},
          {"C3", ""},
          {"H3", "Ферма №2"},
          {"A16", "№ п/п"},
          {"E16", "Кличка"},
          {"H16", "Адрес владельца"},
          {"A19", "3"},
          {"B19", "1"},
          {"C19", "000123"},
          {"D19", "КРС"},
          {"E19", "Зорька"},
          {"F19", "2, 7"},
          {"G19", "=Иванов"},
          {"H19", "ул. Мира 1"}}},
        {2, false, {{"A3", "Код:"}, {"B3", "5.1"}, {"C3", "Сибирская язва"}, {"H3", "Ферма №2"}, {"A16", ""}}},
        {8,
         false,
         {{"C4", "Заря"},
          {"F4", "Ферма №2"},
          {"F1", "10.06.2025"},
          {"A17", "1"},
          {"B17", ""},
          {"C17", ""},
          {"D17", "99"},
          {"E17", "12"},
          {"H17", "1"},
          {"B19", "000123"},
          {"C19", "05.03.2019"},
          {"D19", "3"},
          {"E19", "12"},
          {"F19", "=Иванов"},
          {"G19", "ул. Мира 1"},
          {"H19", "2"}}},
        {10,
         false,
         {{"A8", "Код:"},
          {"B8", "7"},
          {"C8", "Туберкулёз"},
          {"D3", "Заря Ферма №2"},
          {"A19", "3"},
          {"B19", "=Иванов\nул. Мира 1"},
          {"C19", "000123         \nЗорька"},
          {"D19", "05.03.2019"}}},
        {11,
         true,
         {{"A3", "Произвольный отчет"},
          {"A16", ""},
          {"B16", ""},
          {"A17", "1"},
          {"B17", "Петров"},
          {"D17", ""},
          {"A19", "3"},
          {"B19", "=Иванов"},
          {"C19", "ул. Мира 1"},
          {"D19", "КРС"},
          {"E19", "Коровы"},
          {"F19", "2, 7"},
          {"G19", "000123"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.variant) + (c.free ? " with the free heading" : ""));
        ASSERT_EQ(exportWith(choice(c.variant, c.free)), ExportEnd::Done);
        std::vector<std::string> cells;
        for (const auto& [cell, value] : c.expected) cells.push_back(cell);
        EXPECT_EQ(values(shown(), cells), c.expected);
    }
}

TEST_F(ExchangeWorkbookTest, WithoutMarkedAnimalsBothMessagesComeAndTheHeadingIsWritten) {
    ExportChoice c = choice(1);
    c.holding = 2;
    c.farm = 5;
    glo::ROW2 = 40;
    ASSERT_EQ(exportWith(c), ExportEnd::Done);
    EXPECT_EQ(runMessages(), (Lines{kDone, "Экспорт в Excel: Не было выделено животных!"}));
    EXPECT_EQ(glo::ROW2.value(), Decimal(0));
    EXPECT_EQ(values(shown(), {"C4", "A17", "A18"}), (Cells{{"C4", "Заря"}, {"A17", ""}, {"A18", "Итого"}}));
}

TEST_F(ExchangeWorkbookTest, VariantsWithoutAFillAndMissingTemplates) {
    const std::string result = "Результат обработки!: ";
    const struct {
        int variant;
        bool withPath;
        ExportEnd end;
        Lines messages;
        bool shows;
    } cases[] = {
        {99, true, ExportEnd::CloseWindow, {result + "Нет условий для заполнения шаблона."}, false},
        {0, true, ExportEnd::Done, {result + "Только для заполнения шаблона вручную."}, true},
        {0,
         false,
         ExportEnd::CloseWindow,
         {result + "Только для заполнения шаблона вручную.", result + "Невыбран документ[файл]."},
         false},
        {3, false, ExportEnd::CloseWindow, {}, false},
        {12, true, ExportEnd::Nothing, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.variant) + (c.withPath ? " with a path" : " without a path"));
        ExportChoice ch = choice(c.variant);
        if (!c.withPath) ch.templatePath = "";
        EXPECT_EQ(exportWith(ch), c.end);
        EXPECT_EQ(runMessages(), c.messages);
        EXPECT_EQ(!shown().empty(), c.shows);
        if (c.shows) {
            EXPECT_EQ(values(shown(), {"A1", "A17"}), (Cells{{"A1", "Отчёт"}, {"A17", ""}}));
        }
    }
}

TEST_F(ExchangeWorkbookTest, ATemplateThatDoesNotOpenStopsWithOneMessageNamingItAndNoCompletion) {
    const std::filesystem::path missing = dir / "нет такого.xls", folder = dir / "папка.xls", text = dir / "записка.xls";
    std::filesystem::create_directories(folder);
    std::ofstream(text) << "\x01\x02 не книга \xff\xfe";
    const struct {
        std::filesystem::path file;
        std::string said;
    } cases[] = {
        {missing, "Файл «" + missing.string() + "» не найден."},
        {folder, "«" + folder.string() + "» — это папка, а не файл книги Excel."},
        {text, "Файл «" + text.string() + "» не является книгой Excel или повреждён."},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.file.string());
        ExportChoice c = choice(1);
        c.templatePath = t.file.string();
        EXPECT_EQ(exportWith(c), ExportEnd::Stopped);
        EXPECT_EQ(runMessages(), Lines{"Файл не открывается: " + t.said});
        EXPECT_TRUE(shown().empty());
    }
}

}  // namespace
}  // namespace vx::exchange::testing
