#pragma once
// The scans behind the marking modes, without captions or messages.
// Each answers false when its files could not be used.

#include "registry/marking/passport_marking.h"

namespace vx::registry::marking {

// Modes 1 to 10; `anyRead` tells whether a passport was read.
bool markGroup(int mode, bool& anyRead);
// Modes 11 to 18.
bool markByPlanStatus(int mode, const PickedMeasure& picked);

}  // namespace vx::registry::marking
