#include <gtest/gtest.h>

#include "platform/core/dates.h"
#include "platform/headless/harness.h"
#include "platform/report/preview.h"
#include "platform/report/report_layout.h"

namespace vx::report {
namespace {

// A report of `records` one-line records, laid out `perSlice` at a time.
class SlicedReport : public RestOfReport {
public:
    SlicedReport(int records, int perSlice) : records_(records), perSlice_(perSlice) {
        layout.page.bodyHeight = 50;  // ten 5 mm records a page
        layout.detail.setHeight(5).field(0, 0, [this] { return "запись " + std::to_string(taken_); });
        layout.begin("Отчёт", "01.04.2024", "09:00");
        slice();
    }
    bool done() const override { return taken_ == records_; }
    void slice() override {
        for (int i = 0; i < perSlice_ && taken_ < records_; ++i) {
            ++taken_;
            layout.take();
        }
        if (done()) layout.end();
    }
    int percent() const override { return taken_ * 100 / records_; }
    int finishedPages() const override { return layout.finishedPages(); }

    ReportLayout layout;

private:
    int records_, perSlice_, taken_ = 0;
};

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override { clock::fix(makeDate(4, 1, 2024), 1); }
    void TearDown() override { clock::useRealTime(); }
    headless::Harness h;
};

TEST_F(PreviewTest, ThePreviewShowsTheFinishedPagesAndLaysOutTheRestAtItsTicks) {
    SlicedReport report(45, 12);
    h.addProcedure("Preview", [&] { showPreview("Report", report.layout.sharedDocument(), &report); });
    ASSERT_TRUE(h.start("Preview"));
    ASSERT_NE(h.report(), nullptr);
    EXPECT_EQ(h.value("?PageNumber"), "Страница 1 из 1 (формирую... 26%)");
    ASSERT_TRUE(h.press("?Last"));
    EXPECT_EQ(h.report()->page(), 0) << "the open page is not shown yet";
    ASSERT_TRUE(h.wait(1));
    EXPECT_EQ(h.report()->pageCount(), 5);
    EXPECT_EQ(h.value("?PageNumber"), "Страница 1 из 5");
    EXPECT_EQ(h.current()->timer(), 0);
    ASSERT_TRUE(h.press("?Last"));
    EXPECT_EQ(h.value("?PageNumber"), "Страница 5 из 5");
    ASSERT_TRUE(h.close());
}

TEST_F(PreviewTest, PrintingTakesTheWholeReportFirst) {
    SlicedReport report(45, 12);
    h.addProcedure("Preview", [&] { showPreview("Report", report.layout.sharedDocument(), &report); });
    ASSERT_TRUE(h.start("Preview"));
    ASSERT_TRUE(h.press("?Print"));
    EXPECT_TRUE(report.done());
    EXPECT_EQ(h.report()->pageCount(), 5);
    ASSERT_TRUE(h.expectMessage("Печать", "Принтер не установлен: печатать не на чем.|Отчёт можно сохранить в PDF."));
    ASSERT_TRUE(h.close());
}

}  // namespace
}  // namespace vx::report
