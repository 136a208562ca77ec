#include <gtest/gtest.h>

#include "platform/core/decimal.h"

namespace vx {
namespace {

Decimal D(std::string_view s) {
    auto d = Decimal::parse(s);
    EXPECT_TRUE(d.has_value()) << s;
    return d.value_or(Decimal());
}

TEST(Decimal, ParseAndPlainForm) {
    struct Case {
        const char* text;
        const char* plain;
    } cases[] = {
        {"12.10", "12.1"},
        {"12.000", "12"},
        {"250", "250"},
        {"-0.5", "-0.5"},
        {"-.5", "-0.5"},
        {"0", "0"},
        {"-0.000", "0"},
        {" +7.25 ", "7.25"},
        {"5.", "5"},
        {"0.000000000000000001", "0.000000000000000001"},
        {"123456789012345678901", "123456789012345678901"},
    };
    for (const auto& c : cases) EXPECT_EQ(D(c.text).plain(), c.plain) << c.text;
    for (const char* bad : {"", " ", "abc", "1.2.3", "1 2", "-", ".", "12abc", "1e5"})
        EXPECT_FALSE(Decimal::parse(bad).has_value()) << bad;
}

TEST(Decimal, PlainKeepsFifteenSignificantDigits) {
    EXPECT_EQ((Decimal(1) / Decimal(3)).plain(), "0.333333333333333");
    EXPECT_EQ((Decimal(2) / Decimal(3)).plain(), "0.666666666666667");
    EXPECT_EQ((Decimal(200) / Decimal(3)).plain(), "66.6666666666667");
    EXPECT_EQ(D("-0.001234567890123456").plain(), "-0.00123456789012346");
    EXPECT_EQ(D("12345678901234567.5").plain(), "12345678901234568");  // the integer part stays whole
}

TEST(Decimal, FromTextTakesTheLeadingNumber) {
    struct Case {
        const char* text;
        const char* value;
    } cases[] = {
        {"12abc", "12"}, {"abc", "0"},    {" 7.5", "7.5"}, {"", "0"},
        {"   ", "0"},    {"-3 кг", "-3"}, {"0012", "12"},  {"1.5.7", "1.5"},
        {"- 5", "0"},    {"12 34", "12"}, {"№5", "0"},     {"99999999999999999999999999999999999999999", "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(Decimal::fromText(c.text), D(c.value)) << c.text;
}

TEST(Decimal, Arithmetic) {
    EXPECT_EQ(D("0.1") + D("0.2"), D("0.3"));
    EXPECT_EQ(D("1.25") - D("2"), D("-0.75"));
    EXPECT_EQ(D("1.5") * D("-1.5"), D("-2.25"));
    EXPECT_EQ(D("10") / D("4"), D("2.5"));
    EXPECT_EQ(D("1") / D("8"), D("0.125"));
    EXPECT_EQ(D("-7") / D("2"), D("-3.5"));
    EXPECT_EQ(D("5") / Decimal(), Decimal());
    EXPECT_EQ(Decimal() / D("5"), Decimal());
    // Quotients carry at least 12 places.
    EXPECT_EQ((Decimal(1) / Decimal(7)).rounded(12), D("0.142857142857"));
    EXPECT_EQ((Decimal(1) / Decimal(3)) * Decimal(3), D("0.9999999999999999"));
    EXPECT_EQ(D("12.10"), D("12.1"));
    EXPECT_LT(D("-0.1"), D("0"));
    EXPECT_GT(D("2"), D("1.999999999999999999"));
}

TEST(Decimal, LargeOperandsDoNotOverflow) {
    const Decimal big = D("12345678901234567890.123456789012345678");
    EXPECT_EQ((big * big).intPart().plain().substr(0, 10), "1524157875");
    EXPECT_EQ(big + D("0.000000000000000001"), D("12345678901234567890.123456789012345679"));
    EXPECT_EQ((big / D("0.000000000000000001")).intPart().plain().substr(0, 20), "12345678901234567890");
    // Near the end of the range places are rounded away and sums saturate instead of wrapping.
    const Decimal nines = D("99999999999999999999999999999999999999");
    EXPECT_EQ(nines + D("0.4"), nines);
    EXPECT_GT(nines + nines, nines);
    EXPECT_LT(-nines - nines, -nines);
    EXPECT_GT(nines * D("100"), Decimal());
    EXPECT_LT(nines * D("-100"), Decimal());
}

TEST(Decimal, RoundingHalvesAwayFromZero) {
    struct Case {
        const char* value;
        int places;
        const char* rounded;
    } cases[] = {
        {"2.5", 0, "3"},        {"-2.5", 0, "-3"},      {"2.4999", 0, "2"},
        {"0.125", 2, "0.13"},   {"-0.125", 2, "-0.13"}, {"66.666", 2, "66.67"},
        {"33.333", 2, "33.33"}, {"1.05", 1, "1.1"},     {"7", 2, "7"},
    };
    for (const auto& c : cases) EXPECT_EQ(D(c.value).rounded(c.places), D(c.rounded)) << c.value;
    EXPECT_EQ(D("2.5").scaledTo(0), 3);
    EXPECT_EQ(D("-2.5").scaledTo(0), -3);
    EXPECT_EQ(D("1.2345675").scaledTo(6), 1234568);
    EXPECT_EQ(D("12").scaledTo(1), 120);
    EXPECT_EQ(D("12.1").fixed(2), "12.10");
    EXPECT_EQ(D("-0.005").fixed(2), "-0.01");
    EXPECT_EQ(D("3").fixed(0), "3");
}

TEST(Decimal, IntPartAndFraction) {
    struct Case {
        const char* value;
        const char* intPart;
        const char* fraction;
    } cases[] = {
        {"15.1", "15", "0.1"},    {"15.2", "15", "0.2"},     {"15", "15", "0"},
        {"-15.1", "-15", "-0.1"}, {"0.9999", "0", "0.9999"}, {"-0.5", "0", "-0.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(D(c.value).intPart(), D(c.intPart)) << c.value;
        EXPECT_EQ(D(c.value).fraction(), D(c.fraction)) << c.value;
    }
    // Stage digits of measure ids compare exactly.
    EXPECT_EQ(D("15.1").fraction(), D("0.1"));
    EXPECT_NE(D("15.1").fraction(), D("0.2"));
    EXPECT_NE(D("-15.1").fraction(), D("0.1"));
    EXPECT_EQ(D("15.7").toInt64(), 15);
    EXPECT_EQ(D("-15.7").toInt64(), -15);
}

// Years, months and days of an age in days, 30.416 days to the month.
struct Age {
    Decimal years, months, days;
};

Age ageOf(long days) {
    const Decimal month = D("30.416");
    const Decimal vv = Decimal(days);
    const Decimal gg = (vv / month / Decimal(12)).intPart();
    const Decimal mm = ((vv - gg * month * Decimal(12)) / month).intPart();
    const Decimal dd = (vv - gg * month * Decimal(12) - mm * month).intPart();
    return {gg, mm, dd};
}

TEST(Decimal, AgeRuleGivesTheWorkedValues) {
    struct Case {
        long days;
        int years, months, rest;
    } cases[] = {
        {0, 0, 0, 0},   {30, 0, 0, 30}, {31, 0, 1, 0},  {60, 0, 1, 29},   {61, 0, 2, 0},    {364, 0, 11, 29},
        {365, 1, 0, 0}, {366, 1, 0, 1}, {730, 2, 0, 0}, {1000, 2, 8, 26}, {-10, 0, 0, -10},
    };
    for (const auto& c : cases) {
        const Age a = ageOf(c.days);
        EXPECT_EQ(a.years, Decimal(c.years)) << c.days;
        EXPECT_EQ(a.months, Decimal(c.months)) << c.days;
        EXPECT_EQ(a.days, Decimal(c.rest)) << c.days;
    }
}

}  // namespace
}  // namespace vx
