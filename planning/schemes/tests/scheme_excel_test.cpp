// Alt+P and Alt+X against the program's own LibreOffice: the cells and rows of the
// filled workbook, the completion message before the workbook comes into view,
// and the template file unchanged.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "context/globals.h"
#include "office/excel_template.h"
#include "office/tests/completion_watch.h"
#include "office/tests/office_fixture.h"
#include "office/tests/office_play.h"
#include "planning/schemes/tests/schemes_fixture.h"
#include "platform/core/dates.h"
#include "platform/core/text.h"

namespace vx::planning::schemes::testing {
namespace {

namespace fs = std::filesystem;
using office::testing::shownDocument;

class SchemeExcelTest : public SchemesTest {
protected:
    void SetUp() override {
        SchemesTest::SetUp();
        folder = fs::temp_directory_path() / ("vetrix-scheme-excel-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        workbook = folder / "шаблон списка.xls";
        office::testing::makeTemplate(workbook, "MS Excel 97");
        templateBytes = office::testing::fileBytes(workbook);
        addSpecies(1, "КРС");
        addGroup(11, 1, "Коровы");
    }
    void TearDown() override {
        fs::remove_all(folder);
        SchemesTest::TearDown();
    }

    // Presses the key in the list with the template chosen; the cells of the shown workbook after it.
    std::map<std::string, std::string> fill(const char* list, const char* key, const std::vector<const char*>& cells) {
        office::testing::CompletionWatch watch(h->renderer(), [] { return long{glo::FEQOLE}; });
        ui::Outcome played = h->start(list);
        if (played) played = h->file(workbook.string());
        if (played) played = h->key("?BROWSE:1", key);
        if (!played) {
            ADD_FAILURE() << played.refusal;
            return {};
        }
        EXPECT_EQ(watch.shownBeforeMessage, std::optional<bool>(false)) << "the completion message comes first";
        const fs::path shown = shownDocument(glo::FEQOLE, "ods");
        EXPECT_TRUE(fs::exists(shown)) << shown;
        std::map<std::string, std::string> read;
        onThread([&] {
            office::ExcelTemplate look;
            look.open(shown.string());
            for (const char* c : cells) read[c] = look.read(c);
        });
        EXPECT_EQ(office::testing::fileBytes(workbook), templateBytes) << "the template is unchanged";
        return read;
    }

    fs::path folder, workbook;
    std::string templateBytes;
};

TEST_F(SchemeExcelTest, AltPWritesTheSchemesOverTheTemplateFromRowFive) {
    addScheme(MeasureKind::Diagnostic, 152, 1, "Ревакцинация", set(0, 1, 0), set(0, 1, 0));
    addScheme(MeasureKind::Diagnostic, 150, 1, "Туберкулинизация", set(30, 1, 1), set(45, 1, 2));
    const auto cells =
        fill("BrwtaskVDI", "Alt+P", {"A1", "B1", "A2", "A5", "B5", "C5", "A6", "B6", "C6", "A7", "A17", "A18"});
    EXPECT_EQ(messages(), (Lines{"Выбор файла Шаблон Справка.xls: ", "Экспорт в Excel: Экспорт в Excel завершен!"}));
    const std::map<std::string, std::string> expected{{"A1", "Справочник"},
                                                      {"B1", "05.03.2019"},
                                                      {"A2", "диагностических мероприятий"},
                                                      {"A5", "15"},
                                                      {"B5", padTo("Туберкулинизация", 36)},
                                                      {"C5", "1"},
                                                      {"A6", "15.2"},
                                                      {"B6", padTo("Ревакцинация", 36)},
                                                      {"C6", "1"},
                                                      {"A7", ""},
                                                      {"A17", ""},
                                                      {"A18", "Итого"}};
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(glo::NPDF.str(), workbook.string());
}

TEST_F(SchemeExcelTest, ATemplateThatIsNoWorkbookIsNamedWithWhatIsWrongWithIt) {
    addScheme(MeasureKind::Diagnostic, 150, 1, "Туберкулинизация", set(30, 1, 1), set(45, 1, 2));
    const fs::path missing = folder / "нет такого.xls", inFolder = folder / "папка.xls", text = folder / "записка.xls";
    fs::create_directories(inFolder);
    office::testing::makeTemplate(text, "Text - txt - csv (StarCalc)");
    const struct {
        const char* list;
        const char* key;
        fs::path file;
        std::string said;
    } cases[] = {
        {"BrwtaskVDI", "Alt+P", missing, "Файл «" + missing.string() + "» не найден."},
        {"BrwtaskVDI", "Alt+P", inFolder, "«" + inFolder.string() + "» — это папка, а не файл книги Excel."},
        {"BrwtaskVPO", "Alt+X", text, "Файл «" + text.string() + "» не является книгой Excel или повреждён."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        const std::size_t before = messages().size();
        const long shownBefore = office::testing::shownCount();
        PLAY(h->start(c.list));
        PLAY(h->file(c.file.string()));
        PLAY(h->key("?BROWSE:1", c.key));
        const Lines said = messages();
        ASSERT_EQ(said.size(), before + 2) << "the file dialog, then the one message";
        EXPECT_EQ(said.back(), "Файл не открывается: " + c.said);
        EXPECT_EQ(office::testing::shownCount(), shownBefore) << "no workbook came into view";
        PLAY(h->close());
    }
}

TEST_F(SchemeExcelTest, AltXListsTheAnimalsWithoutTheHighlightedMeasureFromRowSix) {
    addScheme(MeasureKind::Preventive, 150, 1, "Вакцинация", set(30, 1, 1), set(45, 1, 2));
    addPassport(1, 1, kMain, makeDate(3, 15, 2020), 0, "Садовая", "20", "", "Иванов");
    addPassport(2, 1, kMain, 0, 0, "Лесная", "30");
    addPassport(3, 1, kYoung, 0, 0, "Абрикосовая", "1");
    addMeasure(MeasureKind::Preventive, 3, 150);
    const auto cells = fill("BrwtaskVPO", "Alt+X",
                            {"A3", "A5", "A6", "B6", "C6", "D6", "E6", "F6", "G6", "H6", "A7", "B7", "C7", "F7", "G7",
                             "H7", "A8", "A18"});
    EXPECT_EQ(messages(), (Lines{"Список животных с незапланированными мероприятиями: ",
                                 "Экспорт в Excel: Экспорт в Excel завершен!"}));
    const std::map<std::string, std::string> expected{{"A3", "Вакцинация"},
                                                      {"A5", ""},
                                                      {"A6", "1"},
                                                      {"B6", "2"},
                                                      {"C6", padTo("30", 15)},
                                                      {"D6", "КРС"},
                                                      {"E6", "Коровы"},
                                                      {"F6", ""},
                                                      {"G6", ""},
                                                      {"H6", "Лесная"},
                                                      {"A7", "2"},
                                                      {"B7", "1"},
                                                      {"C7", padTo("20", 15)},
                                                      {"F7", "15.03.2020"},
                                                      {"G7", "Иванов"},
                                                      {"H7", "Садовая"},
                                                      {"A8", ""},
                                                      {"A18", "Итого"}};
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(glo::NAMEFILE.str(), workbook.string());
}

}  // namespace
}  // namespace vx::planning::schemes::testing
