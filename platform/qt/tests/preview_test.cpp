// The preview of a two-page report on screen: its page widget, page turning,
// and a picture of it kept in screens/.

#include <QDir>
#include <QImage>
#include <QSet>

#include "platform/pages/text_width.h"
#include "platform/qt/page_painter.h"
#include "platform/qt/tests/qt_fixture.h"
#include "platform/report/preview.h"
#include "platform/report/report_layout.h"
#include "platform/runtime/threads.h"
#include "platform/ui/desktop.h"
#include "platform/ui/page_controls.h"

namespace vx::qt::testing {

namespace {

std::shared_ptr<const pages::Document> twoPages() {
    report::ReportLayout r;
    int n = 0;
    r.pageHeading.setHeight(12).text(0, 0, "Список животных (произвольный отчёт)", {pages::Family::Sans, 9, true, false});
    r.pageHeading.box(0, 6, 194, 6).text(1, 7.5, "Инвентарный №", {pages::Family::Sans, 7}).text(25, 7.5, "Поло-возрастная группа", {pages::Family::Sans, 7});
    r.detail.setHeight(8)
        .field(2, 0.5, [&n] { return "ИН" + std::to_string(100000 + n); })
        .text(25, 0.5, "Телки")
        .text(127, 0.5, "Иванов Иван Иванович")
        .text(127, 4, "ул. Садовая, 12")
        .hrule(0, 7.5, 194);
    r.pageFooter.setHeight(6).text(0, 1, "Дата:").text(10, 1, "10.06.2025").fieldRight(194, 1, r.pageNumber());
    r.begin("Список животных (произвольный отчёт)", "10.06.2025", "09:00");
    for (n = 1; n <= 40; ++n) r.take();
    r.end();
    return r.sharedDocument();
}

class PreviewTest : public QtTest {};

TEST_F(PreviewTest, APreviewShowsItsPagesAndTurnsThem) {
    const auto doc = twoPages();
    ASSERT_EQ(doc->pages.size(), 2u);
    rt::startThread([doc] { report::showPreview("PrintQBE", doc); }, 60000);
    frontEnd_.loop().requestStep();
    ASSERT_TRUE(pumpUntil([&] { return widget("PrintQBE", "?Pages") != nullptr; }));
    top("PrintQBE")->resize(900, 1000);
    settle();
    QWidget* pagesWidget = widget("PrintQBE", "?Pages");
    EXPECT_TRUE(pagesWidget->isVisible());
    const QImage picture = top("PrintQBE")->grab().toImage();
    const QString dir = qEnvironmentVariable("VX_TEST_BINARY_DIR", QDir::currentPath()) + "/screens";
    QDir().mkpath(dir);
    ASSERT_TRUE(picture.save(dir + "/report_preview.png"));
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 20);

    auto* pages = dynamic_cast<ui::PagesControl*>(window("PrintQBE")->control("?Pages"));
    ASSERT_NE(pages, nullptr);
    QMetaObject::invokeMethod(widget("PrintQBE", "?Next"), "click");
    ASSERT_TRUE(pumpUntil([&] { return pages->page() == 1; }));
    window("PrintQBE")->post(ui::Event{ui::EventKind::CloseWindow, 0});
    frontEnd_.loop().requestStep();
    ASSERT_TRUE(pumpUntil([&] { return window("PrintQBE") == nullptr; }));
}

// The layout cuts a field by the widths of its table; the painter draws the text as wide.
TEST(PageWidths, TheLayoutMeasuresTextAsThePainterDrawsIt) {
    const pages::Font fonts[] = {{pages::Family::Sans, 7}, {pages::Family::Sans, 8, true, true}, {pages::Family::Serif, 7},
                                 {pages::Family::Serif, 9, true}};
    const char* texts[] = {"Коровы основного стада", "20.12.2026", "№ акта выбытия: А-17", "ЩЖШЮ щжшю WMQ wmq",
                           "(UPPER(PAS:idhoz) = 1) AND «Ёлкино»"};
    for (const pages::Font& f : fonts)
        for (const char* text : texts) {
            const double drawn = drawnWidth(text, f);
            EXPECT_NEAR(pages::textWidth(text, f), drawn, drawn * 0.01) << text << " " << f.points;
        }
}

}  // namespace

}  // namespace vx::qt::testing
