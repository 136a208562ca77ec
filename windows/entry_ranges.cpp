#include "windows/entry_ranges.h"

#include "platform/core/dates.h"

namespace vx::windows {

ui::EntryRange countRange() {
    ui::EntryRange r;
    r.low = Decimal(0);
    r.allowed = "Допустимо число не меньше 0.";
    return r;
}

ui::EntryRange happenedDateRange() {
    ui::EntryRange r;
    r.notAfterToday = true;
    r.allowed = "Допустима дата не позже сегодняшней.";
    return r;
}

ui::EntryRange plannedDateRange() {
    ui::EntryRange r;
    r.high = Decimal(makeDate(12, 31, 2099));
    r.allowed = "Допустима дата не позже 31.12.2099.";
    return r;
}

}  // namespace vx::windows
