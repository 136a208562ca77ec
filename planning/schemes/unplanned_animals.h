#pragma once
// The animals the Alt+X list shows: every passport in address and inventory order
// (PAS:K1) with no disposal reason, of the given species, that has no record of the
// measure in the measure file (VPO or VDI), planned or done. The measure's records
// are looked up by key, so the cost grows with the two files, not with their product;
// the other conditions are the scan's, which reads the fields listed alone. UNIK
// ends on the last passport of that order, as if every one had passed through it.
// PASPORT and the measure file must be open on the running thread; their record
// buffers are left untouched.

#include <string>
#include <vector>

#include "planning/measure_kinds.h"
#include "platform/core/decimal.h"
#include "platform/core/fields.h"

namespace vx::planning::schemes {

struct UnplannedAnimal {
    Long id = 0;
    std::string inventory;  // as stored, padded to its 15 characters
    Decimal species;
    Decimal group;
    Long birthDate = 0;
    std::string owner;
    std::string address;
};

std::vector<UnplannedAnimal> unplannedAnimals(MeasureKind kind, const Decimal& measureId, const Decimal& species);

}  // namespace vx::planning::schemes
