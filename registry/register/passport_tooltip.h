#pragma once
// The animal list's tooltips: the first one, the list heading with the current
// holding and farm, and the passport card of the current animal (CHEKTIP = 1).
// Shared with the measure journals, whose passport list shows the same card.

#include <string>

namespace vx::registry {

std::string initialAnimalTooltip();
// From HOZNAME and FERNAME.
std::string animalListTooltip();
// From the PASPORT, ANIMVID and POLVOZ records and HOZNAME, FERNAME.
std::string passportCard();
// The card's thirteen lines of the animal alone, each ended by a line break (the journals' tooltip).
std::string passportCardOfAnimal();

}  // namespace vx::registry
