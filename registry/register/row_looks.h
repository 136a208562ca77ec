#pragma once
// The rules behind the register's row looks that depend on a record's values.

#include <cstdint>
#include <string_view>

#include "dictionary/records.h"

namespace vx::registry {

// The style of an animal's birth-date cell: 1 with a disposal act, 4 for an
// unsanctioned disposal without one, 0 otherwise.
int birthDateStyle(const dct::PASPORTRecord& p);
// An act number read as a number: its leading digits after blanks; none counts as 0.
bool actNumberSet(std::string_view aktnomer);

// A measure planned before today and not done shows its date as overdue.
bool preventiveOverdue(const dct::VPORecord& v, std::int32_t today);
bool diagnosticOverdue(const dct::VDIRecord& v, std::int32_t today);
// A done measure (act, or for a diagnostic one an expertise) shows the done icon.
bool diagnosticDone(const dct::VDIRecord& v);

}  // namespace vx::registry
