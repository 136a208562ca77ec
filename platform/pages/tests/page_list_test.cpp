#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/pages/page_codec.h"
#include "platform/pages/page_model.h"

namespace vx::pages {
namespace {

// Page n: texts in each font and alignment (long, Cyrillic, blank), positions that
// no binary fraction gives exactly, rules and boxes; every fifth page is empty.
Page sample(int n) {
    Page p;
    if (n % 5 == 4) return p;
    for (int i = 0; i < 30 + n; ++i) {
        const Font f{i % 2 ? Family::Serif : Family::Sans, 7.5f + static_cast<float>(i % 3), i % 4 == 0, i % 7 == 0};
        p.texts.push_back({6 + 0.1 * i, 21 + 8.3 * i, "Строка " + std::to_string(n) + "." + std::to_string(i) +
                                                          std::string(static_cast<std::size_t>(i % 4) * 40, 'x'),
                           f, i % 3 ? Align::Left : Align::Right});
    }
    p.texts.push_back({0, 0, "", {}});
    p.rules.push_back({6, 20.7, 200.1 / 3, 20.7});
    p.boxes.push_back({6, 13, 194, 6.000000001 * n});
    return p;
}

template <class T, class... Member>
void expectSameMembers(const std::vector<T>& a, const std::vector<T>& b, Member T::*... members) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) ([&] { EXPECT_EQ(a[i].*members, b[i].*members); }(), ...);
}

void expectSame(const Page& a, const Page& b) {
    expectSameMembers(a.texts, b.texts, &Text::x, &Text::y, &Text::text, &Text::align);
    for (std::size_t i = 0; i < a.texts.size() && i < b.texts.size(); ++i)
        EXPECT_TRUE(a.texts[i].font == b.texts[i].font) << a.texts[i].text;
    expectSameMembers(a.rules, b.rules, &Rule::x1, &Rule::y1, &Rule::x2, &Rule::y2);
    expectSameMembers(a.boxes, b.boxes, &Box::x, &Box::y, &Box::width, &Box::height);
}

// Pages laid out as a report does: each filled in place after it is added.
void fill(PageList& list, int pages) {
    for (int n = 0; n < pages; ++n) {
        list.emplace_back();
        list.back() = sample(n);
    }
}

TEST(PageList, PagesKeptOnDiskReadBackAsLaidOutInAnyOrder) {
    PageList onDisk, inMemory;
    onDisk.keepOnDisk();
    fill(onDisk, 40);
    fill(inMemory, 40);
    const PageList& disk = onDisk;
    ASSERT_EQ(disk.size(), 40u);
    for (std::size_t n : {0, 39, 1, 1, 38, 17, 0})
        expectSame(disk[n], sample(static_cast<int>(n)));
    std::size_t n = 0;
    for (const Page& p : disk) expectSame(p, inMemory[n++]);
    EXPECT_EQ(n, 40u);
    EXPECT_THROW(disk.at(40), std::out_of_range);

    // Only the last page is changed in place; the others are on disk.
    EXPECT_THROW(onDisk[3], std::logic_error);
    onDisk[39].texts.clear();
    EXPECT_TRUE(disk[39].texts.empty());

    PageList moved = std::move(onDisk);
    expectSame(static_cast<const PageList&>(moved)[5], sample(5));
    moved.resize(10);
    ASSERT_EQ(moved.size(), 10u);
    expectSame(static_cast<const PageList&>(moved)[9], sample(9));
}

TEST(PageList, ALaterKeepOnDiskTakesThePagesAlreadyThere) {
    PageList list;
    fill(list, 3);
    list[0].texts.clear();  // still in memory
    list.keepOnDisk();
    EXPECT_THROW(list[0], std::logic_error);
    const PageList& read = list;
    EXPECT_TRUE(read[0].texts.empty());
    expectSame(read[1], sample(1));
    expectSame(read[2], sample(2));
}

TEST(PageCodec, APageCutShortIsNotAPage) {
    const std::string bytes = encodePage(sample(3));
    Page p;
    ASSERT_TRUE(decodePage(bytes, p));
    expectSame(p, sample(3));
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) EXPECT_FALSE(decodePage(bytes.substr(0, cut), p)) << cut;
}

}  // namespace
}  // namespace vx::pages
