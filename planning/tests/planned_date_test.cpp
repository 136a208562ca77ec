#include <gtest/gtest.h>

#include "planning/planned_date.h"
#include "platform/core/dates.h"

namespace vx::planning {
namespace {

TEST(PlannedDate, FollowsTheFixedDateOrTheBirthdayInTodaysYearPlusTheDays) {
    const int32_t today = makeDate(6, 10, 2025);
    const struct {
        const char* what;
        int32_t fixed;
        int days;
        int32_t birth;
        int32_t expected;
    } cases[] = {
        {"fixed date wins", makeDate(9, 1, 2025), 30, makeDate(3, 15, 2020), makeDate(9, 1, 2025)},
        {"fixed date without a birth date", makeDate(9, 1, 2025), 0, 0, makeDate(9, 1, 2025)},
        {"main herd", 0, 30, makeDate(3, 15, 2020), makeDate(4, 14, 2025)},
        {"young stock", 0, 45, makeDate(7, 10, 2024), makeDate(8, 24, 2025)},
        {"birthday already past, no days", 0, 0, makeDate(1, 5, 2023), makeDate(1, 5, 2025)},
        {"29 February in a common year", 0, 0, makeDate(2, 29, 2024), makeDate(3, 1, 2025)},
        {"late December rolls into the next year", 0, 30, makeDate(12, 20, 2022), makeDate(1, 19, 2026)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plannedDate(c.fixed, Decimal(c.days), c.birth, today), std::optional<int32_t>(c.expected)) << c.what;
}

TEST(PlannedDate, GivesNoDateByDaysWithoutAValidBirthDate) {
    const int32_t today = makeDate(6, 10, 2025);
    for (int32_t birth : {0, 3, -5, kLastDayNumber + 1})
        EXPECT_EQ(plannedDate(0, Decimal(30), birth, today), std::nullopt) << birth;
}

TEST(PlannedDate, KeepsThe29FebruaryBirthdayInALeapYear) {
    EXPECT_EQ(plannedDate(0, Decimal(0), makeDate(2, 29, 2020), makeDate(1, 1, 2028)), makeDate(2, 29, 2028));
}

}  // namespace
}  // namespace vx::planning
