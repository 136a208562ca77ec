#include "registry/forms/age.h"

#include "context/globals.h"

namespace vx::registry {

Age AgeFromBirthDate(int32_t birthDate, int32_t today) {
    if (birthDate == 0 || birthDate > today) return {};
    const Decimal month = Decimal::fromMantissa(30416, 3);
    const Decimal days = Decimal(today) - Decimal(birthDate);
    Age age;
    age.years = (days / month / Decimal(12)).intPart();
    const Decimal afterYears = days - age.years * month * Decimal(12);
    age.months = (afterYears / month).intPart();
    age.days = (afterYears - age.months * month).intPart();
    return age;
}

Age AgeIntoWorkValues(int32_t birthDate, int32_t today) {
    const Age age = AgeFromBirthDate(birthDate, today);
    glo::VV = birthDate == 0 || birthDate > today ? Decimal() : Decimal(today) - Decimal(birthDate);
    glo::GG = age.years;
    glo::MM = age.months;
    glo::DD = age.days;
    return age;
}

}  // namespace vx::registry
