#include "office/excel_template.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "office/tests/office_fixture.h"
#include "office/tests/office_play.h"

namespace vx::office {
namespace {

namespace fs = std::filesystem;
using testing::OfficePlay;

struct Format {
    const char* extension;
    const char* filter;
};

const Format kXlsx{"xlsx", "Calc MS Excel 2007 XML"};

class TemplateFolder : public OfficePlay {
protected:
    fs::path makeTemplate(const Format& format) {
        dir = scratchFolder("template");
        const fs::path file = dir / ("шаблон отчёта." + std::string(format.extension));
        testing::makeTemplate(file, format.filter);
        return file;
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

class ExcelTemplateFill : public TemplateFolder, public ::testing::WithParamInterface<Format> {};

TEST_P(ExcelTemplateFill, FillsAnUntitledCopyWithFormattedRowsAndLeavesTheTemplateAlone) {
    const fs::path file = makeTemplate(GetParam());
    const std::string before = testing::fileBytes(file);
    ASSERT_FALSE(before.empty());
    long control = 0;
    ASSERT_TRUE(play([&] {
        ExcelTemplate x;
        control = x.control().number();
        x.open(file.string() + "   ");
        x.setText("A2", "Стадо\r\nфермы  ");
        x.setNumber(ExcelTemplate::cell("C", 17), *Decimal::parse("8"));
        x.setNumber("D17", std::int64_t{6});
        x.setText("E17", "=ЕСЛИ(C17>0;D17/C17*100;)");
        x.addRowBelow(17);
        x.setText("B18", "вторая");
        x.setText("E18", "=ЕСЛИ(C18>0;D18/C18*100;)");
        x.addRowBelow(18);
        x.setNumber("C19", *Decimal::parse("-0.0001"));
        x.setText("F19", "=ОКРУГЛ(C17*1,55;1)");

        const std::pair<const char*, const char*> cells[] = {
            {"A1", "Отчёт"},    {"B1", "05.03.2019"}, {"A2", "Стадо\nфермы"}, {"C17", "8"},
            {"D17", "6"},       {"E17", "75"},        {"B18", "вторая"},      {"E18", "0"},
            {"C19", "-0.0001"}, {"F19", "12.4"},      {"A20", "Итого"},
        };
        for (const auto& [cell, text] : cells) EXPECT_EQ(x.read(cell), text) << cell;
        x.setText("A2", "");
        EXPECT_EQ(x.read("A2"), "");
        x.finish("Экспорт в Excel", "Экспорт в Excel завершен!");
        EXPECT_FALSE(x.failed());
    }));
    EXPECT_EQ(messages(), (std::vector<std::string>{"Экспорт в Excel: Экспорт в Excel завершен!"}));
    EXPECT_EQ(testing::fileBytes(file), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "a lock file was left";
    EXPECT_FALSE(testing::openAsItself(file));

    const fs::path shown = testing::shownDocument(control, "ods");
    ASSERT_TRUE(fs::exists(shown));
    const testing::RowLook data = testing::rowLook(shown, 17);
    EXPECT_TRUE(data.bold);
    EXPECT_EQ(data.background, 0xFFFF00);
    for (int row : {18, 19}) {
        const testing::RowLook added = testing::rowLook(shown, row);
        EXPECT_TRUE(added.bold) << row;
        EXPECT_EQ(added.background, data.background) << row;
        EXPECT_EQ(added.height, data.height) << row;
    }
    EXPECT_FALSE(testing::rowLook(shown, 20).bold);
}

INSTANTIATE_TEST_SUITE_P(Formats, ExcelTemplateFill,
                         ::testing::Values(kXlsx, Format{"xls", "MS Excel 97"}, Format{"ods", "calc8"}),
                         [](const auto& info) { return std::string(info.param.extension); });

using ExcelTemplateCells = TemplateFolder;

TEST_F(ExcelTemplateCells, DecimalsReadBackExactly) {
    const fs::path file = makeTemplate(kXlsx);
    const char* values[] = {"0.1", "-0.0001", "12.3456", "0.000001", "99999999999.9999", "123456789012345", "-7"};
    ASSERT_TRUE(play([&] {
        ExcelTemplate x;
        x.open(file.string());
        int row = 1;
        for (const char* v : values) x.setNumber(ExcelTemplate::cell("D", row++), *Decimal::parse(v));
        row = 1;
        for (const char* v : values) EXPECT_EQ(x.read(ExcelTemplate::cell("D", row++)), v);
    }));
    EXPECT_TRUE(messages().empty());
}

// A block reads every cell as read() does: dates, numbers, formula results, empty
// cells; data texts written as they are stay texts.
TEST_F(ExcelTemplateCells, ABlockReadsAsItsCellsAndLiteralTextsStayTexts) {
    const fs::path file = makeTemplate(kXlsx);
    ASSERT_TRUE(play([&] {
        ExcelTemplate x;
        x.open(file.string());
        x.setLiteral("A2", "=Иванов");
        x.setLiteral("B2", "000123");
        x.setNumber("C2", *Decimal::parse("2.5"));
        EXPECT_EQ(x.readBlock("A1", "D2"),
                  (std::vector<std::string>{"Отчёт", "05.03.2019", "Итого", "", "=Иванов", "000123", "2.5", ""}));
        EXPECT_EQ(x.read("A2"), "=Иванов");
        EXPECT_TRUE(x.readBlock("B2", "A1").empty());
        EXPECT_TRUE(x.failed()) << "a block whose corners are the wrong way round";
    }));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("неверный диапазон ячеек «B2:A1»"), std::string::npos) << messages()[0];
}

// Writes and inserts are sent in blocks; the sheet must still be what the calls
// one by one would have made of it, and rows added at once with their cells as one
// block make the same sheet.
TEST_F(ExcelTemplateCells, RowsAddedOneUnderAnotherOrAtOnceLandWhereTheCallsPutThem) {
    const fs::path file = makeTemplate(kXlsx);
    const auto animal = [](int n) { return "животное " + std::to_string(n); };
    const struct {
        const char* how;
        std::function<void(ExcelTemplate&)> fill;
    } fills[] = {
        {"one under another",
         [&](ExcelTemplate& x) {
             for (int n = 1; n <= 3; ++n) {
                 const std::int64_t row = 16 + n;
                 x.setNumber(ExcelTemplate::cell("A", row), std::int64_t{n});
                 x.setText(ExcelTemplate::cell("B", row), animal(n));
                 x.addRowBelow(row);
                 if (n == 2) x.setText("D20", "под итогом");  // the total row, before it moves once more
             }
         }},
        {"at once",
         [&](ExcelTemplate& x) {
             x.setText("D18", "под итогом");  // held below the new rows: moves with them
             x.addRowsBelow(17, 3);
             x.setBlock("A17", "B19",
                        {std::int64_t{1}, animal(1), *Decimal::parse("2"), animal(2), std::int64_t{3}, animal(3)});
         }},
    };
    for (const auto& f : fills) {
        SCOPED_TRACE(f.how);
        long control = 0;
        ASSERT_TRUE(play([&] {
            ExcelTemplate x;
            control = x.control().number();
            x.open(file.string());
            f.fill(x);
            const std::pair<const char*, const char*> cells[] = {
                {"A17", "1"}, {"B17", "животное 1"}, {"A18", "2"},          {"A19", "3"},    {"B19", "животное 3"},
                {"A20", ""},  {"A21", "Итого"},      {"D21", "под итогом"}, {"C1", "Итого"},
            };
            for (const auto& [cell, text] : cells) EXPECT_EQ(x.read(cell), text) << cell;
            x.show();
        }));
        EXPECT_TRUE(messages().empty());
        const fs::path shown = testing::shownDocument(control, "ods");
        for (int row : {18, 19, 20}) EXPECT_TRUE(testing::rowLook(shown, row).bold) << row;
        EXPECT_FALSE(testing::rowLook(shown, 21).bold);
    }
}

TEST_F(ExcelTemplateCells, ABlockNeedsAValueForEveryCell) {
    const fs::path file = makeTemplate(kXlsx);
    ASSERT_TRUE(play([&] {
        ExcelTemplate x;
        x.open(file.string());
        x.setBlock("A17", "B18", {std::int64_t{1}, std::int64_t{2}, std::int64_t{3}});
        EXPECT_TRUE(x.failed()) << "three values for four cells";
    }));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("число значений не равно числу ячеек"), std::string::npos) << messages()[0];
}

// A file that cannot be a workbook is named with what is wrong with it, and leaves nothing open.
TEST_F(ExcelTemplateCells, AFileThatIsNoWorkbookIsNamedWithWhatIsWrongWithIt) {
    makeTemplate(kXlsx);
    const fs::path bytes = dir / "случайные байты.xlsx";
    {
        std::ofstream out(bytes, std::ios::binary);
        for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 7919 + 13) % 251));
    }
    const fs::path folder = dir / "папка.xlsx";
    fs::create_directories(folder);
    const struct {
        fs::path file;
        std::string said;
    } cases[] = {
        {dir / "нет такого.xlsx", "Файл «" + (dir / "нет такого.xlsx").string() + "» не найден."},
        {folder, "«" + folder.string() + "» — это папка, а не файл книги Excel."},
        {bytes, "Файл «" + bytes.string() + "» не является книгой Excel или повреждён."},
    };
    const int documents = testing::openDocuments();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        const std::size_t before = messages().size();
        ASSERT_TRUE(play([&] {
            ExcelTemplate x;
            x.open(c.file.string());
            x.setText("A1", "после ошибки");
            x.finish("Экспорт в Excel", "Экспорт в Excel завершен!");
            EXPECT_TRUE(x.failed());
        }));
        const std::vector<std::string> said = messages();
        ASSERT_EQ(said.size(), before + 1);
        EXPECT_EQ(said.back(), "Файл не открывается: " + c.said);
        EXPECT_EQ(testing::openDocuments(), documents);
    }
}

TEST_F(ExcelTemplateCells, AFillStopsAtItsFirstFailureAndItsWorkbookGoes) {
    const fs::path file = makeTemplate(kXlsx);
    const int documents = testing::openDocuments();
    const long control = nextControl();
    ASSERT_TRUE(play([&] {
        ExcelTemplate x;
        x.open(file.string());
        x.setText("A17", "первая");
        x.setText("A0", "вне листа");
        x.setText("A18", "после ошибки");
        EXPECT_EQ(x.read("A17"), "");
        x.finish("Экспорт в Excel", "Экспорт в Excel завершен!");
        EXPECT_TRUE(x.failed());
    }));
    EXPECT_EQ(messages(), (std::vector<std::string>{"Ошибка автоматизации: Файл: " + file.string() +
                                                    "|Причина: неверный адрес ячейки «A0»"
                                                    "|Команда: Worksheets(1).Range(\"A0\").value"}));
    EXPECT_FALSE(fs::exists(testing::shownDocument(control, "ods")));
    EXPECT_EQ(testing::openDocuments(), documents);
}

}  // namespace
}  // namespace vx::office
