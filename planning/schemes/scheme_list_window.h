#pragma once
// The one implementation of both scheme lists.

#include <optional>

#include "planning/schemes/measure_kind.h"
#include "planning/schemes/scheme_record.h"

namespace vx::planning::schemes {

// Runs the list of that kind until it closes; `chosen` (when given) receives each
// scheme "Выбрать" hands over.
void runSchemeList(MeasureKind kind, std::optional<Scheme>* chosen);

}  // namespace vx::planning::schemes
