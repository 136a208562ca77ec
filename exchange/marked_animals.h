#pragma once
// The animals an export writes: every passport of the holding and farm that is
// marked (CHEK = 1) and has no disposal reason, ordered by the owner's address and
// then the inventory number without regard to case, blanks first (those with
// both blank too), equal ones in record order. Each with the names its species
// and group have in their books (the first record of the id, in record order).
// PASPORT, ANIMVID and POLVOZ must be open on the running thread; its record
// buffers stay as they are.

#include <vector>

#include "exchange/export_sheet.h"

namespace vx::exchange {

std::vector<ExportAnimal> markedAnimals(const Decimal& holding, const Decimal& farm);

}  // namespace vx::exchange
