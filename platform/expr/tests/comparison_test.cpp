#include <gtest/gtest.h>

#include "platform/expr/expression.h"

namespace vx::expr {
namespace {

// Two bound names A and B with values set per case.
class ComparisonTest : public ::testing::Test {
protected:
    ComparisonTest() {
        names_.bind("A", [this] { return a_; });
        names_.bind("B", [this] { return b_; });
    }

    bool holds(const Value& a, const char* text, const Value& b) {
        a_ = a;
        b_ = b;
        Expression e = Expression::compile(text, names_);
        EXPECT_TRUE(e.ok()) << text;
        return e.test();
    }

private:
    Bindings names_;
    Value a_, b_;
};

struct Case {
    Value a;
    const char* text;
    Value b;
    bool expected;
};

TEST_F(ComparisonTest, NumbersTextsAndTheirMix) {
    const Case cases[] = {
        // numbers
        {Value(Decimal::fromMantissa(250, 2)), "A = B", Value(Decimal::fromMantissa(25, 1)), true},
        {Value(-3), "A < B", Value(2), true},
        // a number and a text that reads wholly as a number compare as numbers
        {Value(5), "A = B", Value("5"), true},
        {Value(5), "A = B", Value(" 5  "), true},
        {Value(5), "A = B", Value("5.00"), true},
        {Value(12), "A > B", Value("3"), true},
        {Value("3"), "A < B", Value(12), true},
        // otherwise the number's plain text compares with the text
        {Value(5), "A = B", Value("5 коров"), false},
        {Value(5), "A < B", Value("a"), true},
        {Value(0), "A = B", Value(""), false},
        {Value(Decimal::fromMantissa(125, 1)), "A = B", Value("12.5x"), false},
        // texts: trailing spaces do not count, case and leading spaces do
        {Value("abc   "), "A = B", Value("abc"), true},
        {Value("ABC"), "A = B", Value("abc"), false},
        {Value(" abc"), "A = B", Value("abc"), false},
        {Value("Иванов"), "A <> B", Value("ИВАНОВ"), true},
        {Value("б"), "A > B", Value("а"), true},
        {Value("12"), "A > B", Value("3"), false},
        {Value(""), "A = B", Value("    "), true},
        // UPPER and CLIP of a number give a text that still compares as the number
        {Value(5), "UPPER(A) = B", Value("5"), true},
        {Value(12), "UPPER(A) >= B", Value("3"), true},
        {Value(12), "UPPER(A) >= B", Value("3x"), false},
        {Value(12), "CLIP(UPPER(A)) >= B", Value("3"), true},
        {Value(12), "UPPER(A) = UPPER(B)", Value(Decimal::fromMantissa(1200, 2)), true},
        {Value("12"), "UPPER(A) >= B", Value("3"), false},
        {Value("иванов  "), "UPPER(A) = B", Value("ИВАНОВ"), true},
        // every spelling of every operator
        {Value(2), "A <> B", Value(3), true},
        {Value(2), "A <= B", Value(2), true},
        {Value(2), "A =< B", Value(2), true},
        {Value(3), "A >= B", Value(3), true},
        {Value(3), "A => B", Value(4), false},
        {Value(3), "A > B", Value(3), false},
        {Value(3), "A < B", Value(3), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(holds(c.a, c.text, c.b), c.expected)
            << "A=" << c.a.toText() << " " << c.text << " B=" << c.b.toText();
    }
}

}  // namespace
}  // namespace vx::expr
