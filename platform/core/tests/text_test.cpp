#include <gtest/gtest.h>

#include "platform/core/text.h"

namespace vx {
namespace {

TEST(Text, CountsCharactersNotBytes) {
    EXPECT_EQ(charCount("Корова"), 6u);
    EXPECT_EQ(charCount(""), 0u);
    EXPECT_EQ(firstChars("Ёжик в тумане", 4), "Ёжик");
    EXPECT_EQ(firstChars("abc", 10), "abc");
    EXPECT_EQ(lastChars("Корова", 3), "ова");
    EXPECT_EQ(lastChars("ab", 5), "ab");
    EXPECT_EQ(padTo("Бык", 5), "Бык  ");
    EXPECT_EQ(padTo("Бычок", 3), "Быч");
    EXPECT_EQ(clip("  Овца   "), "  Овца");
    EXPECT_EQ(clippedPrefix("Овца  и бык", 6), "Овца");
    EXPECT_EQ(clippedPrefix("Бык ", 9), "Бык");
    EXPECT_EQ(leftJustify("  Овца "), "Овца ");
}

TEST(Text, InvalidUtf8IsWalkedBytewise) {
    const std::string bad = "a\xD0\xFF\x80z\xE2\x82";
    EXPECT_EQ(charCount(bad), 7u);
    EXPECT_EQ(sub(bad, 2, 2), "\xD0\xFF");
    EXPECT_EQ(upper(bad), "A\xD0\xFF\x80Z\xE2\x82");
    EXPECT_EQ(padTo(bad, 8), bad + " ");
    EXPECT_EQ(instring("z", bad), 5);
    EXPECT_NE(compareText(bad, "a"), 0);
}

TEST(Text, CaseFoldingCoversLatinAndCyrillic) {
    EXPECT_EQ(upper("ёлка Ежевика zebra ўі"), "ЁЛКА ЕЖЕВИКА ZEBRA ЎІ");
    EXPECT_EQ(lower("ЁЛКА АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ QZ"), "ёлка абвгдежзийклмнопрстуфхцчшщъыьэюя qz");
    EXPECT_EQ(upper("123 №-"), "123 №-");
    EXPECT_EQ(keyFold("ёж  "), "ЁЖ");
}

TEST(Text, SubUsesOneBasedCharacterPositions) {
    struct Case {
        long start, len;
        const char* result;
    } cases[] = {
        {1, 3, "Тёл"}, {4, 10, "ка"},      {6, 1, ""},
        {0, 2, "Т"},   {-5, 100, "Тёлка"}, {2, 0, ""},
        {3, -1, ""},   {1000000, 5, ""},   {2, 0x7FFFFFFFFFFFFFFF, "ёлка"},
    };
    for (const auto& c : cases) EXPECT_EQ(sub("Тёлка", c.start, c.len), c.result) << c.start << "," << c.len;
}

TEST(Text, Instring) {
    EXPECT_EQ(instring("ова", "Корова"), 4);
    EXPECT_EQ(instring("x", "Корова"), 0);
    EXPECT_EQ(instring("", "Корова"), 0);
    EXPECT_EQ(instring("о", "Корова", 1, 3), 4);
    // With a step only positions start, start+step, ... are looked at.
    EXPECT_EQ(instring("ab", "xabab", 2, 1), 0);
    EXPECT_EQ(instring("ab", "xabab", 2, 2), 2);
    EXPECT_EQ(instring("b", "abcb", 2, 2), 2);
    EXPECT_EQ(instring("Корова", "Кор"), 0);
    EXPECT_EQ(instring("a", "a", 1, 9), 0);
}

TEST(Text, ComparisonIgnoresOnlyTrailingSpaces) {
    EXPECT_EQ(compareText("Бык  ", "Бык"), 0);
    EXPECT_TRUE(equalText("Бык  ", "Бык"));
    EXPECT_FALSE(equalText(" Бык", "Бык"));
    EXPECT_NE(compareText("бык", "Бык"), 0);
    EXPECT_LT(compareText("Бы", "Бык"), 0);
    EXPECT_GT(compareText("Бык", "Бы"), 0);
    EXPECT_LT(compareText("А", "Б"), 0);
    EXPECT_LT(compareText("Z", "А"), 0);
    // ё sorts with Ё before the rest of the alphabet, as in the Cyrillic code page.
    EXPECT_LT(compareText("ё", "а"), 0);
    EXPECT_LT(compareText("Ё", "ё"), 0);
    EXPECT_EQ(compareTextNoCase("ёЖ ", "ЁЖ"), 0);
    EXPECT_EQ(compareTextNoCase("Корова", "КОРОВА"), 0);
    EXPECT_LT(compareTextNoCase("ёж", "а"), 0);
    EXPECT_GT(compareTextNoCase("я", "Ё"), 0);
}

TEST(Text, ReplaceAll) {
    EXPECT_EQ(replaceAll("1,5,7", ",", "."), "1.5.7");
    EXPECT_EQ(replaceAll("ааа", "а", "аа"), "аааааа");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(replaceAll("a--b--", "--", ""), "ab");
}

}  // namespace
}  // namespace vx
