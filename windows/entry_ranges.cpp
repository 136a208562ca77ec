#include "windows/entry_ranges.h"

#include "platform/core/dates.h"

namespace vx::windows {

ui::EntryRange countRange() { return {.low = Decimal(0), .allowed = "Допустимо число не меньше 0."}; }

ui::EntryRange happenedDateRange() {
    return {.notAfterToday = true, .allowed = "Допустима дата не позже сегодняшней."};
}

ui::EntryRange plannedDateRange() {
    return {.high = Decimal(makeDate(12, 31, 2099)), .allowed = "Допустима дата не позже 31.12.2099."};
}

}  // namespace vx::windows
