#pragma once
// The one implementation of both scheme lists.

#include "planning/schemes/measure_kind.h"

namespace vx::planning::schemes {

// Runs the list of that kind until it closes; `chosen` (when given) is set when
// "Выбрать" handed a scheme over.
void runSchemeList(MeasureKind kind, bool* chosen);

}  // namespace vx::planning::schemes
