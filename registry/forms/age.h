#pragma once
// The age of an animal from its birth date: whole years, months and days, with
// a month of 30.416 days and a year of twelve such months, each part cut
// toward zero. No birth date (0) gives no age rather than one counted from the
// calendar's first day, and a birth date after today none rather than a negative one.

#include <cstdint>

#include "platform/core/decimal.h"

namespace vx::registry {

struct Age {
    Decimal years, months, days;
    friend bool operator==(const Age&, const Age&) = default;
};

// `today` and `birthDate` are day numbers.
Age AgeFromBirthDate(int32_t birthDate, int32_t today);

// The same, also left in the age work values VV (days, 0 without a birth date),
// GG, MM and DD, which hold the last animal's age for other windows.
Age AgeIntoWorkValues(int32_t birthDate, int32_t today);

}  // namespace vx::registry
