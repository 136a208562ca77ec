#include <gtest/gtest.h>

#include "app/script/script.h"

namespace vx::script {
namespace {

Script parsed(std::string_view text) {
    auto r = parseScript(text);
    if (const ParseError* e = std::get_if<ParseError>(&r)) {
        ADD_FAILURE() << "line " << e->line << ": " << e->reason;
        return {};
    }
    return std::get<Script>(r);
}

TEST(ScriptParse, QuotingCommentsAndLineNumbers) {
    const Script s = parsed(
        "\xEF\xBB\xBF# a session\r\n"
        "\n"
        "start UpdateSpecies   # opens the form\r\n"
        "type ?NAME \"Он сказал \"\"да\"\" # не комментарий\"\n"
        "EXPECT Value ?NAME \"\"\n"
        "key Ctrl+H Down Enter\n"
        "dump window\n"
        "dump ?LIST\n");
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(s[0].line, 3);
    EXPECT_EQ(s[0].source, "start UpdateSpecies");
    EXPECT_EQ(s[1].line, 4);
    EXPECT_EQ(s[1].verb, "type");
    ASSERT_EQ(s[1].args.size(), 2u);
    EXPECT_EQ(s[1].args[1].text, "Он сказал \"да\" # не комментарий");
    EXPECT_TRUE(s[1].args[1].quoted);
    EXPECT_EQ(s[1].source, "type ?NAME \"Он сказал \"\"да\"\" # не комментарий\"");
    EXPECT_EQ(s[2].verb, "expect value");
    EXPECT_EQ(s[2].args[1].text, "");
    EXPECT_EQ(s[3].args.size(), 3u);
    EXPECT_EQ(s[4].verb, "dump window");
    EXPECT_EQ(s[5].verb, "dump");
}

TEST(ScriptParse, EveryCommandOfTheLanguageIsKnown) {
    const Script s = parsed(
        "start Main\nwindow BrowseBD 2\nclose\nfocus ?A\npress ?A\ntype ?A \"x\"\nchoose ?A \"x\"\nselect ?A 3\n"
        "click ?A 2 Ctrl Shift right\nclick ?A 1 Ctrl+Alt double\nkey ?A Alt+K\nkey F9\ntab ?A \"x\"\n"
        "menu \"Файл\" \"Выход\"\nanswer yes\nfile \"\"\ndate 01.02.2026\ndate \"\"\n"
        "expect message \"c\" \"t\"\nexpect no-message\nexpect window Main\nexpect closed Main\n"
        "expect value ?A \"x\"\nexpect row ?A 1 \"a|b\"\nexpect rows ?A 0\nexpect status 2 \"x\"\n"
        "expect global GLO:FILTER \"\"\nexpect ini Main Maximize \"No\"\ndump file ANIMVID\nwait 5s\n");
    EXPECT_EQ(s.size(), 30u);
}

TEST(ScriptParse, AWaitOfADayIsTheLongest) {
    const Script s = parsed("wait 0s\nwait 86400s\n");
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[1].args[0].text, "86400s");
}

TEST(ScriptParse, ErrorsNameTheLine) {
    struct Case {
        const char* text;
        int line;
        const char* reason;  // part of the reason
    };
    const Case cases[] = {
        {"start Main\nfrobnicate ?A\n", 2, "unknown command frobnicate"},
        {"type ?A \"not closed\n", 1, "not closed"},
        {"type ?A \"a\"b\n", 1, "followed by a blank"},
        {"type ?A ab\"c\n", 1, "quote inside a word"},
        {"type ?A text\n", 1, "double quotes"},
        {"press A\n", 1, "not a control"},
        {"select ?A x\n", 1, "not a number"},
        {"\n\nexpect\n", 3, "expect what"},
        {"expect nothing\n", 1, "unknown command expect nothing"},
        {"answer Maybe\n", 1, "Yes, No, OK"},
        {"date 1.2.2026\n", 1, "dd.mm.yyyy"},
        {"wait 5\n", 1, "5s"},
        {"wait 86401s\n", 1, "at most a day (86400s), not 86401s"},
        {"wait 999999999s\n", 1, "at most a day"},
        {"click ?A 1 Meta\n", 1, "Ctrl, Shift, Alt"},
        {"close now\n", 1, "too many"},
        {"expect value ?A\n", 1, "too few arguments"},
        {"\"start\" Main\n", 1, "starts with a command"},
    };
    for (const Case& c : cases) {
        auto r = parseScript(c.text);
        const ParseError* e = std::get_if<ParseError>(&r);
        ASSERT_NE(e, nullptr) << c.text;
        EXPECT_EQ(e->line, c.line) << c.text;
        EXPECT_NE(e->reason.find(c.reason), std::string::npos) << c.text << " -> " << e->reason;
    }
}

}  // namespace
}  // namespace vx::script
