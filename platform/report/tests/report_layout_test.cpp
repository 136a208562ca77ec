#include <gtest/gtest.h>

#include <functional>

#include "platform/pages/page_text.h"
#include "platform/pages/text_width.h"
#include "platform/report/report_layout.h"

namespace vx::report {
namespace {

// Records of (outer, inner) break values laid out with a heading and a footer per group.
struct Nested {
    std::string outer, inner, name;
};

class NestedReport {
public:
    explicit NestedReport(double bodyHeight = 258) {
        r.page.bodyHeight = bodyHeight;
        r.groups = {{[this] { return cur.outer; }, {}, {}}, {[this] { return cur.inner; }, {}, {}}};
        const Counter& outerCount = r.count(0);
        const Counter& innerCount = r.count(1);
        const Counter& all = r.count();
        const Counter& innerGroups = r.tally(1, 0);
        const Counter& running = r.count(1);
        r.groups[0].heading.setHeight(5).field(0, 0, [this] { return "H " + cur.outer; });
        r.groups[1].heading.setHeight(5).field(0, 0, [this] { return "h " + cur.inner; });
        r.detail.setHeight(5).fieldRight(10, 0, number(running, "@n5b")).field(20, 0, [this] { return cur.name; });
        r.recall = {[this] { std::swap(cur, previous); }, [this] { std::swap(cur, previous); }};
        // A footer names its own group, not the one the next record opens.
        r.groups[1].footer.setHeight(5).field(0, 0, [this] { return "f " + cur.inner; }).fieldRight(40, 0, number(innerCount, "@n7b"));
        r.groups[0].footer.setHeight(5)
            .text(0, 0, "F")
            .fieldRight(40, 0, number(outerCount, "@n7b"))
            .fieldRight(60, 0, number(innerGroups, "@n6b"))
            .fieldRight(80, 0, number(all, "@n12b"));
        r.pageFooter.setHeight(6).text(0, 0, "Дата:").field(10, 0, r.dateStamp()).fieldRight(190, 0, r.pageNumber());
    }
    std::string run(const std::vector<Nested>& records) {
        r.begin("t", "01.04.2024", "09:00");
        for (const Nested& n : records) {
            previous = cur;
            cur = n;
            r.take();
        }
        r.end();
        return pages::documentText(r.document());
    }
    ReportLayout r;
    Nested cur, previous;
};

TEST(ReportLayout, ClosedFootersInnermostFirstNewHeadingsOutermostFirstOpenFootersAtTheEnd) {
    NestedReport rep;
    EXPECT_EQ(rep.run({{"A", "1", "a1"}, {"A", "1", "a2"}, {"A", "2", "a3"}, {"B", "1", "b1"}}),
              "--- page 1 ---\n"
              "H A\nh 1\n1 a1\n2 a2\nf 1 2\nh 2\n1 a3\nf 2 1\nF 3 2 3\n"
              "H B\nh 1\n1 b1\nf 1 1\nF 1 1 4\n"
              "Дата: 01.04.2024 1\n");
}

TEST(ReportLayout, AnInnerKeyRepeatedUnderANewOuterKeyStillOpensANewGroup) {
    NestedReport rep;
    const std::string text = rep.run({{"A", "1", "x"}, {"B", "1", "y"}, {"A", "1", "z"}});
    EXPECT_EQ(text,
              "--- page 1 ---\n"
              "H A\nh 1\n1 x\nf 1 1\nF 1 1 1\n"
              "H B\nh 1\n1 y\nf 1 1\nF 1 1 2\n"
              "H A\nh 1\n1 z\nf 1 1\nF 1 1 3\n"
              "Дата: 01.04.2024 1\n");
}

TEST(ReportLayout, NoRecordsMakeNoPage) {
    NestedReport rep;
    EXPECT_EQ(rep.run({}), "");
    EXPECT_TRUE(rep.r.document().pages.empty());
}

TEST(ReportLayout, ABandThatDoesNotFitGoesWholeToTheNextPageUnderTheHeading) {
    // Body of 22 mm: heading, heading, three 5 mm details... then the footer moves on.
    NestedReport rep(22);
    rep.r.pageHeading.setHeight(10).text(0, 0, "Заголовок").hrule(0, 8, 194);
    const std::string text = rep.run({{"A", "1", "a1"}, {"A", "1", "a2"}, {"A", "1", "a3"}});
    EXPECT_EQ(text,
              "--- page 1 ---\nЗаголовок\nH A\nh 1\n1 a1\n2 a2\nДата: 01.04.2024 1\n"
              "--- page 2 ---\nЗаголовок\n3 a3\nf 1 3\nF 3 1 3\nДата: 01.04.2024 2\n");
    const pages::Page& second = rep.r.document().pages[1];
    ASSERT_FALSE(second.rules.empty());
    EXPECT_DOUBLE_EQ(second.rules[0].y1, 6 + 8);
    // Positions: the left margin is added; the first body band starts at the body's top.
    const pages::Text& detail = second.texts[1];
    EXPECT_EQ(detail.text, "3");
    EXPECT_DOUBLE_EQ(detail.x, 6 + 10);
    EXPECT_DOUBLE_EQ(detail.y, 21);
    EXPECT_EQ(detail.align, pages::Align::Right);
    for (const pages::Page& p : rep.r.document().pages)
        for (const pages::Text& t : p.texts) EXPECT_LE(t.y, 280) << t.text;
}

TEST(ReportLayout, BeginStartsAgainFromZero) {
    NestedReport rep;
    rep.run({{"A", "1", "a"}});
    EXPECT_EQ(rep.run({{"A", "1", "b"}}), "--- page 1 ---\nH A\nh 1\n1 b\nf 1 1\nF 1 1 1\nДата: 01.04.2024 1\n");
}

TEST(ReportLayout, PagesKeptOnDiskAreThePagesLaidOutInMemory) {
    std::vector<Nested> records;
    for (int i = 0; i < 600; ++i) records.push_back({std::to_string(i / 100), std::to_string(i / 7), "r" + std::to_string(i)});
    NestedReport inMemory, onDisk;
    onDisk.r.pagesOnDisk = true;
    const std::string text = inMemory.run(records);
    EXPECT_EQ(onDisk.run(records), text);
    const pages::Document &a = inMemory.r.document(), &b = onDisk.r.document();
    ASSERT_GT(a.pages.size(), 10u);
    ASSERT_EQ(a.pages.size(), b.pages.size());
    for (std::size_t n = 0; n < a.pages.size(); ++n) {
        const pages::Page p = a.pages[n], q = b.pages[n];
        ASSERT_EQ(p.texts.size(), q.texts.size());
        for (std::size_t i = 0; i < p.texts.size(); ++i) {
            EXPECT_EQ(p.texts[i].x, q.texts[i].x);
            EXPECT_EQ(p.texts[i].y, q.texts[i].y);
        }
    }
}

// A left-aligned text prints up to the next edge on its line, less a small gap: another
// text's start, a vertical rule, a box's side, what a right-aligned number prints, the page's
// margin. Texts on another line, and texts the edge leaves room for, stay whole.
TEST(ReportLayout, AFieldIsCutAtItsColumnsEdge) {
    const std::string date = "20.12.2026";
    const pages::Font f{};
    const double dateWidth = pages::textWidth(date, f);
    struct Case {
        const char* what;
        std::function<void(Band&)> rest;  // what else the band holds right of the date at x 10
        double room;                      // where the date's column ends, from x 10; 0: whole
    } cases[] = {
        {"the next text", [](Band& b) { b.text(20, 0, "11.12.2026"); }, 10},
        {"the next text a line below", [](Band& b) { b.text(20, 4, "11.12.2026"); }, 0},
        {"a text with room to spare", [&](Band& b) { b.text(10 + dateWidth + 1, 0, "x"); }, 0},
        {"a vertical rule", [](Band& b) { b.rule(18, 0, 18, 5); }, 8},
        {"a box's side", [](Band& b) { b.box(0, 0, 17, 5); }, 7},
        {"a right-aligned number", [](Band& b) { b.fieldRight(30, 0, [] { return "  12345"; }); }, -1},
        {"nothing right of it", [](Band&) {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReportLayout r;
        r.detail.setHeight(5).text(10, 0, date);
        c.rest(r.detail);
        r.begin("t", "", "");
        r.take();
        r.end();
        const pages::Text& printed = r.document().pages.at(0).texts.at(0);
        const double room = c.room < 0 ? 20 - pages::textWidth("12345", f) : c.room;
        if (room == 0) {
            EXPECT_EQ(printed.text, date);
        } else {
            EXPECT_EQ(printed.text, pages::fitText(date, f, room - 0.3));
            EXPECT_LT(printed.text.size(), date.size());
            EXPECT_LE(pages::textWidth(printed.text, f), room);
            EXPECT_DOUBLE_EQ(printed.clip, room - 0.3);
        }
    }
    // At the page's right margin a long text ends too.
    ReportLayout r;
    r.detail.setHeight(5).text(150, 0, std::string(60, 'W'));
    r.begin("t", "", "");
    r.take();
    r.end();
    const pages::Text& printed = r.document().pages.at(0).texts.at(0);
    EXPECT_LE(printed.x + pages::textWidth(printed.text, printed.font), r.document().width - r.page.left);
}

}  // namespace
}  // namespace vx::report
