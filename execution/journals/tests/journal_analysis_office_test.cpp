// The plan-execution analysis started from a journal, against the program's own
// LibreOffice: Alt+X on the journal list by holding and the entry of Alt+Y by
// farm, on the worked example, the completion message before the workbook.

#include <gtest/gtest.h>

#include <string>

#include "execution/journals/journals.h"
#include "execution/tests/analysis_workbook.h"
#include "windows/window_table.h"

namespace vx::execution::testing {
namespace {

class JournalStartsTheAnalysis : public AnalysisWorkbookTest, public ::testing::WithParamInterface<MeasureKind> {
protected:
    void SetUp() override {
        AnalysisWorkbookTest::SetUp();
        h->addProcedure("BrowseVPO", [this] { BrowseVPO(windows); });
        h->addProcedure("BrowseVDI", [this] { BrowseVDI(windows); });
        addHolding(1, "Первое");
        addFarm(1, 1, "Луговая");
        addJournalExample(GetParam());
    }
    bool preventive() const { return GetParam() == MeasureKind::Preventive; }

    windows::WindowTable windows;
};

TEST_P(JournalStartsTheAnalysis, ByTheKeyAndByTheEntryOnTheJournalsContext) {
    const char* procedure = preventive() ? "BrowseVPO" : "BrowseVDI";
    const char* journal = preventive() ? "?LIST:3" : "?LIST:4";
    PLAY(h->start(procedure));
    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->select("?LIST", 1));
    PLAY(h->select(journal, 1));
    const struct {
        const char* name;
        std::function<ui::Outcome()> start;
        const char *d8, *d9, *d10;
    } cases[] = {
        {"Alt+X by holding", [&] { return h->key(journal, "Alt+X"); }, "2", "2", "3"},
        {"the entry by farm",
         [&] { return h->choose("?VUDELIT", "Alt + Y - анализ выполнения по населенному пункту (ферме)"); }, "1",
         "2", "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(play(c.start, workbook.string()), std::optional<bool>(false)) << "the message comes first";
        ASSERT_TRUE(shown());
        EXPECT_EQ(runMessages().back(), "Экспорт в Excel: Экспорт в Excel завершен!");
        EXPECT_EQ(values({"A8", "D8", "A9", "D9", "A10", "D10"}),
                  (Cells{{"A8", "5"}, {"D8", c.d8}, {"A9", "7.1"}, {"D9", c.d9}, {"A10", "7.2"}, {"D10", c.d10}}));
        PLAY(h->expectWindow(procedure));
    }
}

INSTANTIATE_TEST_SUITE_P(Journals, JournalStartsTheAnalysis,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic), [](const auto& info) {
                             return info.param == MeasureKind::Preventive ? "Preventive" : "Diagnostic";
                         });

}  // namespace
}  // namespace vx::execution::testing
