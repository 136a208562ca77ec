#include "platform/runtime/ini_document.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vx::rt {
namespace {

using Names = std::vector<std::string>;

TEST(IniDocument, ChangesKeepCommentsBlankLinesAndTheRestOfTheFile) {
    IniDocument doc = IniDocument::parse(
        "; written by hand\n"
        "[Main]\n"
        "XPos = 10\n"
        "odd line\n"
        "\n"
        "[Browsehoz]\n"
        "Width=300\n");
    doc.put("main", "xpos", "20");
    doc.put("Main", "YPos", "30");
    doc.put("BrowseVPO", "Maximize", "Yes");
    EXPECT_EQ(doc.text(),
              "; written by hand\n"
              "[Main]\n"
              "XPos=20\n"
              "odd line\n"
              "YPos=30\n"
              "\n"
              "[Browsehoz]\n"
              "Width=300\n"
              "\n"
              "[BrowseVPO]\n"
              "Maximize=Yes\n");
}

TEST(IniDocument, NamesCompareWithoutCaseInLatinAndCyrillic) {
    IniDocument doc;
    doc.put("QueryBrowsehoz Ёлки", "Поле", "1");
    EXPECT_EQ(doc.get("QUERYBROWSEHOZ ёЛКИ", "ПОЛЕ"), "1");
    EXPECT_EQ(doc.get("  QueryBrowsehoz Ёлки ", " поле "), "1");
    EXPECT_EQ(doc.get("QueryBrowsehoz Елки", "Поле"), std::nullopt);
    EXPECT_EQ(doc.get("Other", "Поле"), std::nullopt);
}

TEST(IniDocument, EveryValueReadsBackAsItWasPut) {
    const std::string values[] = {"", "plain", "  leading", "trailing  ", "\"quoted\"", "\"", "a=b;c", "[x]", "Ёж"};
    IniDocument doc;
    for (std::size_t i = 0; i < std::size(values); ++i) doc.put("S", "k" + std::to_string(i), values[i]);
    IniDocument reread = IniDocument::parse(doc.text());
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(reread.get("S", "k" + std::to_string(i)), values[i]) << i;
}

TEST(IniDocument, NamesAndValuesTheFileCannotHoldAreRefused) {
    struct Case {
        std::string section, key, value;
    };
    const Case cases[] = {
        {"", "k", "v"},    {"  ", "k", "v"}, {"a]b", "k", "v"}, {"a\nb", "k", "v"}, {"s", "", "v"},
        {"s", "a=b", "v"}, {"s", "[k", "v"}, {"s", ";k", "v"},  {"s", "k\r", "v"},  {"s", "k", "one\ntwo"},
    };
    for (const Case& c : cases) {
        IniDocument doc;
        EXPECT_THROW(doc.put(c.section, c.key, c.value), std::invalid_argument) << c.section << "|" << c.key;
        EXPECT_EQ(doc.text(), "");
    }
}

TEST(IniDocument, ReadsWindowsLineEndsAndAByteOrderMark) {
    IniDocument doc = IniDocument::parse("\xEF\xBB\xBF[Main]\r\nWidth=5\r\nHeight = \"7\" \r\n");
    EXPECT_EQ(doc.sections(), (Names{"Main"}));
    EXPECT_EQ(doc.get("Main", "Width"), "5");
    EXPECT_EQ(doc.get("Main", "Height"), "7");
}

TEST(IniDocument, RemovesKeysAndSectionsAndListsWhatIsLeft) {
    IniDocument doc = IniDocument::parse("[A]\nx=1\ny=2\n[B]\nz=3\n[a]\nw=4\n");
    EXPECT_EQ(doc.sections(), (Names{"A", "B", "a"}));
    EXPECT_EQ(doc.keys("a"), (Names{"x", "y"}));  // the first section of that name is the one used
    doc.removeKey("A", "X");
    EXPECT_EQ(doc.keys("A"), (Names{"y"}));
    doc.removeKey("Missing", "x");
    doc.removeSection("A");  // every section of that name
    EXPECT_EQ(doc.sections(), (Names{"B"}));
    EXPECT_EQ(doc.text(), "[B]\nz=3\n");
}

}  // namespace
}  // namespace vx::rt
