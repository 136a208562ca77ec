// The calculator window's analysis buttons against the program's own
// LibreOffice: the window's holding and farm, the completion message, the
// workbook in view, the window still open and the template as it was.

#include <gtest/gtest.h>

#include "calculator/calculator_windows.h"
#include "context/globals.h"
#include "execution/tests/analysis_workbook.h"
#include "office/excel_template.h"
#include "office/tests/office_play.h"
#include "platform/core/dates.h"
#include "windows/window_table.h"

namespace vx::calculator {
namespace {

using planning::MeasureKind;
using execution::testing::Count;
using vx::testing::Lines;

class CalculatorWindowWorkbook : public execution::testing::AnalysisWorkbookTest {
protected:
    void SetUp() override {
        AnalysisWorkbookTest::SetUp();
        h->addProcedure("BRWvdi", [] { BRWvdi(windows::WindowTable{}); }, 25000);
        fixToday(makeDate(6, 10, 2025));
        addHolding(1, "Заря");
        addFarm(1, 1, "Центральная");
        addFarm(1, 2, "Лесная");
        addSpecies(1, "КРС");
        addScheme(MeasureKind::Diagnostic, "12.0", 1, "Туберкулинизация");
        addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.0", false, true, 0, makeDate(4, 1, 2025), 0, 80});
        addCount(MeasureKind::Diagnostic, Count{1, 2, 1, "12.0", true, false, makeDate(3, 1, 2025), 0, 50, 0});
        addCount(MeasureKind::Diagnostic, Count{1, 2, 1, "12.0", false, true, 0, makeDate(4, 1, 2025), 0, 30});
    }

    Lines shownCells(const std::vector<std::string>& cells) {
        Lines read;
        const std::string book = office::testing::shownDocument(glo::FEQOLE, "ods").string();
        onThread([&] {
            office::ExcelTemplate look;
            look.open(book);
            for (const std::string& c : cells) read.push_back(c + "=" + look.read(c));
        });
        return read;
    }
};

TEST_F(CalculatorWindowWorkbook, TheByFarmButtonAnalysesTheFarmLastSelected) {
    PLAY(h->start("BRWvdi"));
    PLAY(h->select("?LIST", 2));
    const long before = glo::FEQOLE;
    PLAY(h->file(workbook.string()));
    PLAY(h->press("?BUTTON21"));
    PLAY(h->expectMessage("Экспорт в Excel", "Экспорт в Excel завершен!"));
    PLAY(h->expectWindow("BRWvdi"));
    ASSERT_NE(long{glo::FEQOLE}, before);
    EXPECT_EQ(shownCells({"B7", "A8", "C8", "D8"}), (Lines{"B7=КРС", "A8=12", "C8=50", "D8=30"}));
    EXPECT_EQ(office::testing::fileBytes(workbook), templateBytes);
}

}  // namespace
}  // namespace vx::calculator
