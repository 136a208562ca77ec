#pragma once
// The herd structure of the current holding and farm (IDHOZ, IDFERM): passports
// counted per sex-age group (every passport, also those with a disposal reason),
// the farm's counts as a tooltip, and dated one-line summaries of the farm and of
// the holding that the register may append to their notes. Counting uses
// accumulators of its own, fresh at every run, for any group id.

#include <string>

#include "platform/core/fields.h"

namespace vx::registry::marking {

struct HerdStructure {
    std::string tooltip;      // for ?BUTTON32
    Str farmSummary{255};     // POGFERM
    Str holdingSummary{255};  // POGHOZ
};

// Reads PASPORT once and POLVOZ once, with scans of their own.
HerdStructure countHerdStructure();

// Appends the farm summary to the note of every farm numbered IDHOZ/IDFERM and,
// while `holdingNoteDone` (BHOZ) is 0, the holding summary to the note of the
// first holding numbered IDHOZ, then sets it to 1: both in one transaction, so
// either both notes grow or neither does (and the user is told why). A note is cut
// at 3,000 characters.
void appendHerdSummaries(const HerdStructure& structure, Byte& holdingNoteDone);

}  // namespace vx::registry::marking
