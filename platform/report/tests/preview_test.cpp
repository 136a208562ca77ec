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

TEST_F(PreviewTest, SavingOffersTheReportsTitleAsTheFileName) {
    const std::pair<const char*, const char*> cases[] = {
        {"Список ЛПХ  (произвольный отчёт)", "Список ЛПХ  (произвольный отчёт).pdf"},
        {"Отчёт: 1/2 \"<*>\" или? \\ |итог|...", "Отчёт_ 1_2 _____ или_ _ _итог_.pdf"},
        {"", "Report.pdf"},
    };
    for (const auto& [title, name] : cases) {
        SCOPED_TRACE(title);
        auto doc = std::make_shared<pages::Document>();
        doc->title = title;
        doc->pages.emplace_back();
        h.addProcedure("Preview", [doc] { showPreview("Report", doc); });
        ASSERT_TRUE(h.start("Preview"));
        ASSERT_TRUE(h.file(""));
        ASSERT_TRUE(h.press("?SavePdf"));
        ASSERT_FALSE(h.messages().empty());
        EXPECT_EQ(h.messages().back().kind, ui::DialogKind::SaveFile);
        EXPECT_EQ(h.messages().back().suggestedName, name);
        ASSERT_TRUE(h.close());
    }
}

}  // namespace
}  // namespace vx::report
