#include <gtest/gtest.h>

#include "platform/core/dates.h"

namespace vx {
namespace {

TEST(Dates, DayNumbersOfKnownDates) {
    struct Case {
        int day, month, year;
        int32_t number;
    } cases[] = {
        {1, 1, 1801, 4},      {2, 1, 1801, 5},         {31, 12, 1801, 368},      {1, 1, 1802, 369},
        {28, 2, 1900, 36221}, {1, 3, 1900, 36222},     {1, 1, 1970, 61730},      {29, 2, 2000, 72746},
        {1, 1, 2024, 81453},  {31, 12, 9999, 2994626}, {20, 10, 10002, 2995650},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(makeDate(c.month, c.day, c.year), c.number) << c.day << "." << c.month << "." << c.year;
        EXPECT_EQ(dayOf(c.number), c.day);
        EXPECT_EQ(monthOf(c.number), c.month);
        EXPECT_EQ(yearOf(c.number), c.year);
    }
}

TEST(Dates, RoundTripOverTheWholeRange) {
    int32_t expected = kFirstDayNumber;
    for (int year = 1801; year <= 10002; year += 37) {
        for (int month = 1; month <= 12; ++month) {
            const int32_t first = makeDate(month, 1, year);
            ASSERT_TRUE(validDayNumber(first));
            ASSERT_EQ(dayOf(first), 1);
            ASSERT_EQ(monthOf(first), month);
            ASSERT_EQ(yearOf(first), year);
            ASSERT_GE(first, expected);
            expected = first;
        }
    }
    for (int32_t d = kFirstDayNumber; d <= kLastDayNumber; ++d)
        ASSERT_EQ(makeDate(monthOf(d), dayOf(d), yearOf(d)), d) << d;
}

TEST(Dates, DatesThatDoNotExistGiveZero) {
    struct Case {
        int month, day, year;
    } cases[] = {
        {0, 1, 2020}, {13, 1, 2020}, {2, 30, 2020},  {2, 29, 2023},   {2, 29, 1900}, {4, 31, 2020},
        {1, 0, 2020}, {1, 32, 2020}, {12, 31, 1800}, {10, 21, 10002}, {1, 1, 10003}, {-1, 1, 2020},
    };
    for (const auto& c : cases)
        EXPECT_EQ(makeDate(c.month, c.day, c.year), 0) << c.day << "." << c.month << "." << c.year;
    EXPECT_NE(makeDate(2, 29, 2000), 0);
    EXPECT_NE(makeDate(2, 29, 2024), 0);
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2024));
    EXPECT_FALSE(isLeapYear(2023));
}

TEST(Dates, InvalidDayNumbersHaveNoParts) {
    for (int32_t d : {0, 1, 3, -1, kLastDayNumber + 1}) {
        EXPECT_FALSE(validDayNumber(d));
        EXPECT_EQ(dayOf(d), 0);
        EXPECT_EQ(monthOf(d), 0);
        EXPECT_EQ(yearOf(d), 0);
    }
}

TEST(Dates, WeekdayIsDayNumberModSeven) {
    EXPECT_EQ(weekday(0), 0);                       // day 0 is a Sunday
    EXPECT_EQ(weekday(makeDate(1, 1, 1801)), 4);    // a Thursday
    EXPECT_EQ(weekday(makeDate(1, 1, 2024)), 1);    // a Monday
    EXPECT_EQ(weekday(makeDate(12, 31, 9999)), 5);  // a Friday
    EXPECT_EQ(weekday(makeDate(1, 1, 1970)), 4);    // a Thursday
    EXPECT_EQ(weekday(makeDate(3, 2, 2025)), 0);    // a Sunday
}

TEST(Dates, PackedDateConversions) {
    const int32_t d = makeDate(2, 29, 2024);
    const PackedDate p = PackedDate::fromDayNumber(d);
    EXPECT_EQ(p.day(), 29);
    EXPECT_EQ(p.month(), 2);
    EXPECT_EQ(p.year(), 2024);
    EXPECT_EQ(p, PackedDate::of(29, 2, 2024));
    EXPECT_EQ(p.toDayNumber(), d);
    EXPECT_TRUE(PackedDate::fromDayNumber(0).empty());
    EXPECT_TRUE(PackedDate::fromDayNumber(kLastDayNumber + 1).empty());
    EXPECT_EQ(PackedDate().toDayNumber(), 0);
    EXPECT_EQ(PackedDate::of(30, 2, 2024).toDayNumber(), 0);
    EXPECT_EQ(PackedDate::of(1, 13, 2024).toDayNumber(), 0);
}

class ClockTest : public ::testing::Test {
protected:
    void TearDown() override { clock::useRealTime(); }
};

TEST_F(ClockTest, FixedClockAdvancesAndRollsOver) {
    const int32_t day = makeDate(12, 31, 2024);
    clock::fix(day, 8639990);  // 23:59:59.90
    EXPECT_TRUE(clock::isFixed());
    EXPECT_EQ(clock::today(), day);
    EXPECT_EQ(clock::now(), 8639991);
    clock::advance(5);
    EXPECT_EQ(clock::now(), 8639996);
    clock::advance(15);  // 00:00:00.10 of the next day
    EXPECT_EQ(clock::today(), makeDate(1, 1, 2025));
    EXPECT_EQ(clock::now(), 11);
    clock::advance(3 * 8640000);
    EXPECT_EQ(clock::today(), makeDate(1, 4, 2025));
    EXPECT_EQ(clock::now(), 11);
}

TEST_F(ClockTest, RealClockGivesAValidDayAndTime) {
    clock::useRealTime();
    EXPECT_FALSE(clock::isFixed());
    EXPECT_TRUE(validDayNumber(clock::today()));
    EXPECT_GT(clock::today(), makeDate(1, 1, 2020));
    EXPECT_GE(clock::now(), 1);
    EXPECT_LE(clock::now(), 8640000);
}

}  // namespace
}  // namespace vx
