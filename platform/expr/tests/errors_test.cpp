#include <gtest/gtest.h>

#include "platform/expr/expression.h"
#include "platform/expr/tests/sample_names.h"

namespace vx::expr {
namespace {

using testing::SampleNames;

struct ErrorCase {
    const char* text;
    std::size_t position;  // in characters, 1-based
    const char* message;
};

TEST(ExpressionErrorTest, PositionAndWhatWasExpected) {
    SampleNames s;
    const ErrorCase cases[] = {
        {"", 1, "expected a value, the text ends"},
        {"   ", 4, "expected a value, the text ends"},
        {"(RID:chek=1", 12, "expected ')'"},
        {"(RID:chek=1))", 13, "expected an operator or the end"},
        {"PAS:korp = 5 and", 17, "expected a value, the text ends"},
        {"PAS:korp = = 5", 12, "expected a value"},
        {"PAS:korp 5", 10, "expected an operator or the end"},
        {"PAS:nosuch = 1", 1, "unknown name PAS:nosuch"},
        {"(PAS:korp = v)", 13, "unknown name v"},
        {"FOO(1)", 1, "unknown function FOO"},
        {"UPPER()", 1, "UPPER takes 1 argument"},
        {"upper(1, 2)", 1, "UPPER takes 1 argument"},
        {"INSTRING('a')", 1, "INSTRING takes 2 to 4 arguments"},
        {"INSTRING('a', 'b', 1, 1, 1)", 1, "INSTRING takes 2 to 4 arguments"},
        {"UPPER(1 2)", 9, "expected ',' or ')'"},
        {"'abc", 1, "text without its closing quote"},
        {"(pas:idhoz = 12) and (instring('ИВАН", 32, "text without its closing quote"},
        {"UPPER(pas:fio) = 'ЁЖ' # 1", 23, "unexpected character"},
        {"PAS:korp = \"5\"", 12, "unexpected character"},
        {"PAS:korp ~= 5", 10, "unexpected character"},
        {"12abc", 3, "expected an operator after the number"},
        {"1234567890123456789012345678901 = 1", 1, "number too long"},
    };
    for (const auto& c : cases) {
        Expression e = Expression::compile(c.text, s.names);
        ASSERT_FALSE(e.ok()) << c.text;
        ASSERT_TRUE(e.error().has_value()) << c.text;
        EXPECT_EQ(e.error()->position, c.position) << c.text;
        EXPECT_EQ(e.error()->message, c.message) << c.text;
    }
}

TEST(ExpressionErrorTest, UnusableExpressionIsFalseAndZero) {
    SampleNames s;
    Expression e = Expression::compile("(pas:idhoz = 12) and (PAS:korp = ", s.names);
    EXPECT_FALSE(e.test());
    EXPECT_TRUE(e.evaluate().isNumber());
    EXPECT_TRUE(e.evaluate().number().isZero());
    EXPECT_EQ(e.text(), "(pas:idhoz = 12) and (PAS:korp = ");
    EXPECT_EQ(e.error()->describe(), "position 34: expected a value, the text ends");
}

}  // namespace
}  // namespace vx::expr
