#pragma once
// The rules behind the register's row looks that depend on a record's values.
// Shared with the measure journals, which read an act number the same way.

#include <cstdint>
#include <string_view>

#include "dictionary/records.h"
#include "planning/measure_kinds.h"

namespace vx::registry {

// The style of an animal's birth-date cell: 1 with a disposal act, 4 for an
// unsanctioned disposal without one, 0 otherwise.
int birthDateStyle(const dct::PASPORTRecord& p);
// An act number read as a number: its leading digits after blanks; none counts as 0.
bool actNumberSet(std::string_view aktnomer);

// A done measure (an act, or for a diagnostic one an expertise) shows the done icon.
bool measureDone(const planning::MeasureRecordView& m);
// A measure planned before today and not done shows its date as overdue.
bool measureOverdue(const planning::MeasureRecordView& m, std::int32_t today);

}  // namespace vx::registry
