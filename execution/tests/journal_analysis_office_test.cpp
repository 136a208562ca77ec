// The journals' plan-execution analysis into a template, against the program's
// own LibreOffice: the rows, cells and formulas of the worked example, the
// template's totals row pushed below the table, the template file unchanged.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "context/globals.h"
#include "execution/tests/analysis_workbook.h"
#include "platform/core/text.h"

namespace vx::execution::testing {
namespace {

const char* titleOf(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? "Выбрать файл [Шаблон Анализа профилактических мероприятий.xls]"
                                           : "Выбрать файл [Шаблон Анализа диагностических мероприятий.xls]";
}

class JournalAnalysisWorkbook : public AnalysisWorkbookTest, public ::testing::WithParamInterface<MeasureKind> {
protected:
    void SetUp() override {
        AnalysisWorkbookTest::SetUp();
        addJournalExample(GetParam());
        glo::IDHOZ = 1;
        glo::IDFERM = 1;
    }
};

TEST_P(JournalAnalysisWorkbook, WritesSpeciesAndSchemeRowsIntoInsertedRowsAndFillsDoneFromColumnA) {
    const struct {
        AnalysisScope scope;
        const char *d8, *d9, *d10, *g9;
    } cases[] = {
        {AnalysisScope::Holding, "2", "2", "3", "5"},
        {AnalysisScope::Farm, "1", "2", "2", "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scope == AnalysisScope::Holding ? "by holding" : "by farm");
        ASSERT_EQ(run(AnalysisSource::Journal, GetParam(), c.scope), AnalysisEnd::Done);
        EXPECT_EQ(runMessages(),
                  (Lines{std::string(titleOf(GetParam())) + ": ", "Экспорт в Excel: Экспорт в Excel завершен!"}));
        EXPECT_EQ(glo::NAMEFILE.str(), workbook.string());

        Cells expected;
        for (const std::string& cell : cellsOf("ABCDEFGH", 7, 14)) expected[cell] = "";
        expected["B7"] = padTo("КРС", 20);
        expected["D7"] = "0";
        expected["A8"] = "5";
        expected["B8"] = padTo("Сибирская язва", 36);
        expected["D8"] = c.d8;
        expected["A9"] = "7.1";
        expected["B9"] = padTo("Лептоспироз", 36);
        expected["D9"] = c.d9;
        expected["A10"] = "7.2";
        expected["B10"] = padTo("Лептоспироз, ревакцинация", 36);
        expected["D10"] = c.d10;
        expected["B11"] = padTo("МРС", 20);
        expected["D11"] = "0";
        expected["A12"] = "9";
        expected["B12"] = padTo("Бруцеллёз", 36);
        expected["D12"] = "0";
        // The plan column is the template's: every percentage is 0, the measure's sums add up.
        for (const char* cell : {"E8", "F8", "H8", "E9", "F9", "H9", "E10", "E12", "F12", "G12", "H12"})
            expected[cell] = "0";
        expected["G8"] = c.d8;
        expected["G9"] = c.g9;
        expected["B14"] = "Итого";
        EXPECT_EQ(values(cellsOf("ABCDEFGH", 7, 14)), expected);
        EXPECT_EQ(formulas(cellsOf("ABCDEFGH", 7, 14)),
                  expectedFormulas(cellsOf("ABCDEFGH", 7, 14), {{8, 0}, {9, 1}, {10, 2}, {12, 0}}));
    }
}

INSTANTIATE_TEST_SUITE_P(Journals, JournalAnalysisWorkbook,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic), [](const auto& info) {
                             return info.param == MeasureKind::Preventive ? "Preventive" : "Diagnostic";
                         });

using JournalAnalysisEnds = AnalysisWorkbookTest;

TEST_F(JournalAnalysisEnds, NoTemplateEndsWithoutMessageOrWorkbook) {
    addJournalExample(MeasureKind::Preventive);
    for (const char* path : {"", "   "}) {
        EXPECT_EQ(run(AnalysisSource::Journal, MeasureKind::Preventive, AnalysisScope::Holding, path),
                  AnalysisEnd::NoTemplate);
        EXPECT_EQ(runMessages(), Lines{std::string(titleOf(MeasureKind::Preventive)) + ": "});
        EXPECT_FALSE(shown());
        EXPECT_TRUE(glo::NAMEFILE.blank());
    }
}

TEST_F(JournalAnalysisEnds, AnOfficeFailureStopsWithItsOneMessageAndNoCompletionMessage) {
    addJournalExample(MeasureKind::Diagnostic);
    const std::string missing = (dir / "нет такого.xls").string();
    EXPECT_EQ(run(AnalysisSource::Journal, MeasureKind::Diagnostic, AnalysisScope::Farm, missing),
              AnalysisEnd::Stopped);
    const Lines shownMessages = runMessages();
    ASSERT_EQ(shownMessages.size(), 2u);
    EXPECT_EQ(shownMessages[1], "Файл не открывается: Файл «" + missing + "» не найден.");
    EXPECT_FALSE(shown());
}

TEST_F(JournalAnalysisEnds, AnEmptySpeciesBookShowsTheTemplateAsItWas) {
    addScheme(MeasureKind::Preventive, "5.0", 1, "Сибирская язва");
    ASSERT_EQ(run(AnalysisSource::Journal, MeasureKind::Preventive, AnalysisScope::Holding), AnalysisEnd::Done);
    EXPECT_EQ(values({"A6", "B7", "D7", "B8", "B9"}),
              (Cells{{"A6", "ID"}, {"B7", ""}, {"D7", ""}, {"B8", "Итого"}, {"B9", ""}}));
}

}  // namespace
}  // namespace vx::execution::testing
