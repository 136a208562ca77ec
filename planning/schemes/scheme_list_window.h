#pragma once
// The one implementation of both scheme lists and both scheme forms.

#include <optional>

#include "planning/measure_kinds.h"
#include "planning/schemes/scheme_record.h"

namespace vx::planning::schemes {

// Runs the list of that kind until it closes; `chosen` (when given) receives each
// scheme "Выбрать" hands over.
void runSchemeList(MeasureKind kind, std::optional<Scheme>* chosen);
// Runs the scheme form of that kind: the list's update procedure.
void runSchemeForm(MeasureKind kind);

}  // namespace vx::planning::schemes
