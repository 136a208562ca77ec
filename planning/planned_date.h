#pragma once
// The planned date of a new measure record for one animal: a fixed date wins;
// otherwise the birthday (month and day) in today's year plus the day count.
// A 29 February birthday gives 1 March in a year that is not a leap year, and a
// late birthday plus the count may fall into the next year.

#include <cstdint>
#include <optional>

#include "platform/core/decimal.h"

namespace vx::planning {

struct PlanSet {
    Decimal days;           // days after the birthday
    Decimal heads;          // heads planned
    Decimal treatments;     // head-treatments planned
    int32_t fixedDate = 0;  // day number, 0 = none
};

// nullopt when no fixed date is set and the birth date is missing or not a valid
// day number: such an animal has no birthday to plan from.
std::optional<int32_t> plannedDate(int32_t fixedDate, const Decimal& days, int32_t birthDate, int32_t today);

}  // namespace vx::planning
