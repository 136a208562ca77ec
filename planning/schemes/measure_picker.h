#pragma once

#include "planning/schemes/measure_kind.h"

namespace vx::planning::schemes {

// Runs the scheme window as a picker on this thread and waits until it closes;
// true when "Выбрать" was pressed in this run.
bool pickMeasure(MeasureKind kind);

}  // namespace vx::planning::schemes
