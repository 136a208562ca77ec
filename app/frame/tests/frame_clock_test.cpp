#include <gtest/gtest.h>

#include "app/frame/frame_clock.h"
#include "platform/core/dates.h"

namespace vx::frame {
namespace {

TEST(FrameClock, DayNamesFollowTheDayNumbersAndTheTimeShowsSeconds) {
    const struct {
        int32_t day;
        const char* shown;
    } cases[] = {
        {makeDate(12, 8, 2026), "Tuesday, 08.12.2026"},
        {makeDate(12, 13, 2026), "Sunday, 13.12.2026"},
        {makeDate(12, 12, 2026), "Saturday, 12.12.2026"},
        {makeDate(1, 1, 1801), "Thursday, 01.01.1801"},
        {7, "Sunday, 04.01.1801"},
    };
    for (const auto& c : cases) EXPECT_EQ(dayAndDate(c.day), c.shown) << c.day;
    // The clock counts midnight as 1.
    EXPECT_EQ(timeOfDay(9 * 360000 + 101), "09:00:01");
    EXPECT_EQ(timeOfDay(8640000), "23:59:59");
}

}  // namespace
}  // namespace vx::frame
