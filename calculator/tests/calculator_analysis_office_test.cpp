// The calculator's analyses into a template, against the program's own
// LibreOffice: plans in C and executions in D by stage from the count records
// dated in the period, measure ids the accumulator has no entry for skipped.

#include <gtest/gtest.h>

#include <string>

#include "calculator/calculator_tools.h"
#include "context/globals.h"
#include "execution/tests/analysis_workbook.h"
#include "platform/core/dates.h"
#include "platform/core/text.h"

namespace vx::calculator {
namespace {

using execution::AnalysisEnd;
using execution::AnalysisScope;
using execution::AnalysisSource;
using planning::MeasureKind;
using execution::testing::Cells;
using execution::testing::cellsOf;
using execution::testing::expectedFormulas;
using vx::testing::Lines;

const int32_t kMarch = makeDate(3, 10, 2025), kApril = makeDate(4, 1, 2025), kMay = makeDate(5, 10, 2025);
const int32_t kBefore = makeDate(12, 1, 2024);

class CalculatorAnalysisWorkbook : public execution::testing::AnalysisWorkbookTest,
                                   public ::testing::WithParamInterface<MeasureKind> {
protected:
    // Two species; measure 12 of one stage, 14 of two (.1 and .2), 20 and 2500
    // (a number the sums have no entry for), count records of ids 0 and 2500 too.
    void SetUp() override {
        AnalysisWorkbookTest::SetUp();
        const MeasureKind kind = GetParam();
        addSpecies(1, "КРС");
        addSpecies(2, "Овцы");
        addScheme(kind, "12.0", 1, "Туберкулинизация");
        addScheme(kind, "14.1", 1, "Сибирская язва");
        addScheme(kind, "14.2", 1, "Сибирская язва, повторно");
        addScheme(kind, "20.0", 2, "Бруцеллёз");
        addScheme(kind, "2500.0", 2, "Вне учёта");
        for (const execution::testing::Count& c : {
                 execution::testing::Count{1, 1, 1, "12.0", true, false, kMarch, 0, 100, 0},
                 {1, 1, 1, "12.0", false, true, 0, kApril, 0, 80},
                 {1, 1, 1, "12.0", true, false, kBefore, kMay, 7, 0},  // done date in the period
                 {1, 1, 1, "12.0", true, false, kBefore, 0, 30, 0},    // outside
                 {1, 1, 1, "14.1", true, false, kMarch, 0, 50, 0},
                 {1, 1, 1, "14.0", false, true, 0, kApril, 0, 20},
                 {1, 1, 1, "14.1", false, true, 0, kApril, 0, 25},
                 {1, 1, 1, "14.2", true, false, kMarch, 0, 50, 0},
                 {1, 1, 1, "14.2", false, true, 0, kApril, 0, 40},
                 {1, 1, 1, "0.0", false, true, 0, kApril, 0, 5},
                 {1, 1, 2, "2500.0", true, false, kMarch, 0, 9, 0},
                 {1, 2, 2, "20.0", true, false, kMarch, 0, 10, 0},    // another farm
                 {2, 1, 1, "12.0", false, true, 0, kApril, 0, 1000},  // another holding
             })
            addCount(kind, c);
        glo::IDHOZ = 1;
        glo::IDFERM = 1;
        glo::DATABEGIN = PackedDate::of(1, 1, 2025);
        glo::DATAEND = PackedDate::of(31, 12, 2025);
    }
};

TEST_P(CalculatorAnalysisWorkbook, WritesPlansAndExecutionsByStageAndSkipsIdsWithoutAnEntry) {
    const MeasureKind kind = GetParam();
    const bool preventive = kind == MeasureKind::Preventive;
    const struct {
        const char* button;
        const char* c12;
    } cases[] = {
        {preventive ? "?BUTTON28" : "?BUTTON20", "10"},
        {preventive ? "?BUTTON29" : "?BUTTON21", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        const CalculatorTool* tool = analysisButton(c.button);
        ASSERT_NE(tool, nullptr);
        ASSERT_EQ(tool->kind, kind);
        ASSERT_EQ(run(AnalysisSource::Calculator, tool->kind, tool->scope), AnalysisEnd::Done);
        const std::string title = preventive ? "Выбрать файл [Шаблон Анализа профилактических мероприятий.xls]"
                                             : "Выбрать файл [Шаблон Анализа диагностических мероприятий.xls]";
        EXPECT_EQ(runMessages(), (Lines{title + ": ", preventive ? "Экспорт в Excel: Экспорт в Excel завершен!?"
                                                                 : "Экспорт в Excel: Экспорт в Excel завершен!"}));

        const std::vector<std::string> cells = cellsOf("ABCDEFGH", 7, 15);
        Cells expected;
        for (const std::string& cell : cells) expected[cell] = "";
        expected["B7"] = preventive ? padTo("КРС", 20) : "КРС";
        expected["D7"] = "0";
        const struct {
            int row;
            const char *id, *name, *c, *d;
        } rows[] = {
            {8, "12", "Туберкулинизация", "107", "80"},
            {9, "14.1", "Сибирская язва", "50", "45"},
            {10, "14.2", "Сибирская язва, повторно", "50", "40"},
            {12, "20", "Бруцеллёз", c.c12, "0"},
            {13, "2500", "Вне учёта", "", ""},
        };
        for (const auto& r : rows) {
            const std::string n = std::to_string(r.row);
            expected["A" + n] = r.id;
            expected["B" + n] = padTo(r.name, 36);
            expected["C" + n] = r.c;
            expected["D" + n] = r.d;
        }
        expected["B11"] = preventive ? padTo("Овцы", 20) : "Овцы";
        expected["D11"] = "0";
        for (const auto& [cell, value] : Cells{{"E8", "74.7663551401869"},
                                               {"F8", "107"},
                                               {"G8", "80"},
                                               {"H8", "74.7663551401869"},
                                               {"E9", "90"},
                                               {"F9", "100"},
                                               {"G9", "85"},
                                               {"H9", "85"},
                                               {"E10", "80"},
                                               {"E12", "0"},
                                               {"F12", c.c12},
                                               {"G12", "0"},
                                               {"H12", "0"},
                                               {"E13", "0"},
                                               {"F13", "0"},
                                               {"G13", "0"},
                                               {"H13", "0"},
                                               {"B15", "Итого"}})
            expected[cell] = value;
        EXPECT_EQ(values(cells), expected);
        EXPECT_EQ(formulas(cells), expectedFormulas(cells, {{8, 0}, {9, 1}, {10, 2}, {12, 0}, {13, 0}}));
    }
}

INSTANTIATE_TEST_SUITE_P(CountFiles, CalculatorAnalysisWorkbook,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic), [](const auto& info) {
                             return info.param == MeasureKind::Preventive ? "Preventive" : "Diagnostic";
                         });

}  // namespace
}  // namespace vx::calculator
