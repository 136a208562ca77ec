#include "planning/planned_date.h"

#include "platform/core/dates.h"

namespace vx::planning {

std::optional<int32_t> plannedDate(int32_t fixedDate, const Decimal& days, int32_t birthDate, int32_t today) {
    if (fixedDate > 0) return fixedDate;
    if (!validDayNumber(birthDate)) return std::nullopt;
    // The first of the month plus (day - 1), so 29 February runs on into 1 March.
    const int32_t birthday = makeDate(monthOf(birthDate), 1, yearOf(today)) + dayOf(birthDate) - 1;
    return static_cast<int32_t>(birthday + days.toInt64());
}

}  // namespace vx::planning
