#include <gtest/gtest.h>

#include "platform/pages/page_text.h"

namespace vx::pages {
namespace {

TEST(PageText, TextsOnOneTopReadLeftToRightAndLinesTopToBottom) {
    Page p;
    p.texts = {{120, 10.2, "Дата"}, {6, 10, "Инвентарный №"}, {6, 4, "Список"}, {60, 10.4, "   "}, {30, 30, " 001  "}};
    EXPECT_EQ(textLines(p), (std::vector<std::string>{"Список", "Инвентарный № Дата", "001"}));
}

TEST(PageText, DocumentMarksEveryPage) {
    Document d;
    d.pages.resize(2);
    d.pages[0].texts = {{6, 6, "a"}};
    d.pages[1].texts = {{6, 6, "b"}};
    EXPECT_EQ(documentText(d), "--- page 1 ---\na\n--- page 2 ---\nb\n");
}

}  // namespace
}  // namespace vx::pages
