#include <gtest/gtest.h>

#include "platform/core/dates.h"
#include "registry/forms/age.h"

namespace vx::registry {
namespace {

TEST(AgeFromBirthDate, WorkedValues) {
    const int32_t today = makeDate(6, 10, 2025);
    struct Case {
        int daysOld, years, months, days;
    };
    const Case cases[] = {
        {0, 0, 0, 0},   {30, 0, 0, 30}, {31, 0, 1, 0},  {60, 0, 1, 29},   {61, 0, 2, 0},    {364, 0, 11, 29},
        {365, 1, 0, 0}, {366, 1, 0, 1}, {730, 2, 0, 0}, {1000, 2, 8, 26}, {-10, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const Age age = AgeFromBirthDate(today - c.daysOld, today);
        EXPECT_EQ(age, (Age{c.years, c.months, c.days}))
            << c.daysOld << " days: " << age.years.plain() << " " << age.months.plain() << " " << age.days.plain();
    }
}

TEST(AgeFromBirthDate, ACalendarDateAndNoBirthDate) {
    const int32_t today = makeDate(6, 10, 2025);
    EXPECT_EQ(AgeFromBirthDate(makeDate(9, 17, 2022), today), (Age{2, 8, 23}));
    EXPECT_EQ(AgeFromBirthDate(0, today), (Age{0, 0, 0})) << "no birth date is no age, not centuries";
}

}  // namespace
}  // namespace vx::registry
