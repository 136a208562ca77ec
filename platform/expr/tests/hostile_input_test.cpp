#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "platform/expr/expression.h"
#include "platform/expr/parser.h"
#include "platform/expr/tests/sample_names.h"

namespace vx::expr {
namespace {

using testing::SampleNames;

std::string repeat(const std::string& piece, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += piece;
    return s;
}

// Compiles and evaluates twice; both runs must agree. Returns the compiled expression.
Expression compileTwiceAndCompare(const std::string& text, const Bindings& names) {
    Expression a = Expression::compile(text, names);
    Expression b = Expression::compile(text, names);
    EXPECT_EQ(a.ok(), b.ok()) << text;
    if (a.ok() && b.ok()) {
        EXPECT_EQ(a.evaluate().toText(), b.evaluate().toText()) << text;
        EXPECT_EQ(a.test(), b.test()) << text;
    } else if (a.error() && b.error()) {
        EXPECT_EQ(a.error()->describe(), b.error()->describe()) << text;
        EXPECT_FALSE(a.test());
    }
    return a;
}

TEST(HostileInputTest, NestingWithinTheLimitWorksBeyondItFails) {
    SampleNames s;
    const int fine = kMaxExpressionDepth / 2;
    const int hostile = 100000;
    struct Shape {
        std::string open, core, close;
    };
    const Shape shapes[] = {
        {"(", "pas:korp = 5", ")"},     {"not ", "0", ""}, {"-", "1", ""}, {"UPPER(", "'x'", ")"},
        {"INSTRING('a', ", "'a'", ")"},
    };
    for (const auto& sh : shapes) {
        const std::string ok = repeat(sh.open, fine) + sh.core + repeat(sh.close, fine);
        EXPECT_TRUE(compileTwiceAndCompare(ok, s.names).ok()) << sh.open;
        const std::string deep = repeat(sh.open, hostile) + sh.core + repeat(sh.close, hostile);
        Expression e = compileTwiceAndCompare(deep, s.names);
        ASSERT_FALSE(e.ok()) << sh.open;
        EXPECT_EQ(e.error()->message, "expression nested too deeply");
    }
}

// Left-associated chains grow the tree, not the parser's recursion: they are cut by the
// tree's depth. AND and OR chains stay flat and have no such limit.
TEST(HostileInputTest, LongChains) {
    SampleNames s;
    const int n = 100000;
    for (const char* op : {" + 1", " * 1", " = 1", " / 1"}) {
        Expression e = compileTwiceAndCompare("1" + repeat(op, n), s.names);
        ASSERT_FALSE(e.ok()) << op;
        EXPECT_EQ(e.error()->message, "expression nested too deeply");
    }
    EXPECT_TRUE(compileTwiceAndCompare("pas:korp = 5" + repeat(" and pas:chek", n), s.names).test());
    EXPECT_TRUE(compileTwiceAndCompare("0" + repeat(" or 0", n) + " or 1", s.names).test());
}

TEST(HostileInputTest, HugeTextsAndNumbers) {
    SampleNames s;
    const std::string big(1 << 20, 'x');
    Expression e = compileTwiceAndCompare("UPPER('" + big + "') = '" + std::string(1 << 20, 'X') + "'", s.names);
    EXPECT_TRUE(e.test());
    EXPECT_FALSE(compileTwiceAndCompare("INSTRING('" + big + "', pas:fio) <> 0", s.names).test());
    EXPECT_FALSE(compileTwiceAndCompare("'" + big, s.names).ok());
    EXPECT_TRUE(compileTwiceAndCompare(std::string(30, '9') + " > 0", s.names).test());
    EXPECT_FALSE(compileTwiceAndCompare(std::string(100000, '9'), s.names).ok());
    for (const char* text :
         {"999999999999999 * 999999999999999 * 999999999999999 > 0", "1 / 3 * 3", "INSTRING('a', 'aaa', 0, 1)",
          "INSTRING('a', 'aaa', -1, 3)", "INSTRING('a', 'aaa', 1, -5)", "INSTRING('a', 'aaa', 1, 99999999999999999999)",
          "INSTRING('', 'abc')", "INSTRING('abc', '')"}) {
        EXPECT_TRUE(compileTwiceAndCompare(text, s.names).ok()) << text;
    }
}

// Random bytes, and random soups of the language's own pieces (which compile often enough
// to reach the evaluator), never crash and always give the same answer.
TEST(HostileInputTest, RandomTexts) {
    SampleNames s;
    std::mt19937 rng(20240611);
    const char* pieces[] = {"(",      ")",     " and ",     " or ",     " not ",   "=",         "<>",      "=>",
                            "=<",     "<",     ">",         "+",        "-",       "*",         "/",       ",",
                            "'",      "''",    "'ИВАН'",    "'a b '",   "12",      "0",         ".5",      "3.25",
                            "UPPER(", "CLIP(", "INSTRING(", "pas:korp", "PAS:FIO", "idvidanim", "RID:kod", "nosuch",
                            " ",      "\t",    "Ё",         "\xff",     "\xd0"};
    int compiled = 0;
    for (int i = 0; i < 4000; ++i) {
        std::string text;
        const int len = static_cast<int>(rng() % 40);
        if (i % 2 == 0) {
            for (int k = 0; k < len; ++k) text += pieces[rng() % std::size(pieces)];
        } else {
            for (int k = 0; k < len; ++k) text.push_back(static_cast<char>(rng() % 256));
        }
        if (compileTwiceAndCompare(text, s.names).ok()) ++compiled;
    }
    EXPECT_GT(compiled, 0);
}

std::string randomExpression(std::mt19937& rng, int depth) {
    static const char* leaves[] = {"pas:korp", "PAS:FIO", "idvidanim", "RID:kod", "'ИВАН'",          "'a b '",  "''",
                                   "12",       "0",       ".5",        "3.25",    "999999999999999", "'-7.5 '", "'Ё'"};
    static const char* binary[] = {" and ", " or ", "=", "<>", "=>", "=<", "<", ">", "+", "-", "*", "/"};
    auto pick = [&rng](const auto& list) { return std::string(list[rng() % std::size(list)]); };
    if (depth == 0 || rng() % 4 == 0) return pick(leaves);
    auto sub = [&] { return randomExpression(rng, depth - 1); };
    switch (rng() % 6) {
    case 0: return "(not " + sub() + ")";
    case 1: return "-" + sub();
    case 2: return "UPPER(" + sub() + ")";
    case 3: return "CLIP(" + sub() + ")";
    case 4: {
        std::string call = "INSTRING(" + sub() + ", " + sub();
        for (unsigned extra = rng() % 3; extra > 0; --extra) call += ", " + sub();
        return call + ")";
    }
    default: return "(" + sub() + pick(binary) + sub() + ")";
    }
}

// Well-formed expressions of every shape over odd values (division by zero, texts as
// numbers, negative steps) always compile and always evaluate alike.
TEST(HostileInputTest, RandomWellFormedExpressions) {
    SampleNames s;
    std::mt19937 rng(7);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = randomExpression(rng, 6);
        EXPECT_TRUE(compileTwiceAndCompare(text, s.names).ok()) << text;
    }
}

// Every prefix of a real filter, as a 128-character cut leaves it: only the prefixes that
// end after a complete condition compile.
TEST(HostileInputTest, TextsCutShort) {
    SampleNames s;
    const std::string full = "(pas:idhoz = 12) and (pas:idferma = 3)  and (instring('ИВАНОВ',UPPER(pas:fio),1,1)<>0)";
    for (std::size_t n = 0; n <= full.size(); ++n) {
        const std::string cut = full.substr(0, n);
        const std::string trimmed = cut.substr(0, cut.find_last_not_of(' ') + 1);
        const bool complete =
            trimmed == "(pas:idhoz = 12)" || trimmed == "(pas:idhoz = 12) and (pas:idferma = 3)" || trimmed == full;
        EXPECT_EQ(compileTwiceAndCompare(cut, s.names).ok(), complete) << cut;
    }
}

}  // namespace
}  // namespace vx::expr
