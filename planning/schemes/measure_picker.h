#pragma once

#include <optional>

#include "planning/measure_kinds.h"
#include "planning/schemes/scheme_record.h"

namespace vx::planning::schemes {

// Runs the scheme window as a picker on this thread and waits until it closes.
// Answers the scheme of the last "Выбрать" in this run, none without one: rows
// highlighted after the choice move the globals on, not the choice.
std::optional<Scheme> pickMeasure(MeasureKind kind);

}  // namespace vx::planning::schemes
