#pragma once
// The scans behind the marking modes, without pickers, captions or success messages.
// Each is one transaction: it answers false when nothing was changed (the files could
// not be used or written; the user has been told why).

#include <string_view>

#include "planning/measure_kinds.h"
#include "platform/core/decimal.h"

namespace vx::registry::marking {

using planning::MeasureKind;

// The caption of a marking failure.
inline constexpr std::string_view kMarkingCaption = "Выделение животных";

// The measure a plan-status mode looks for, as its picker handed it over.
struct PickedMeasure {
    Decimal measure;  // IDTASK (diagnostic) or IDBOL (preventive)
    Decimal species;  // IDVIDANIM
};

bool isPlanStatusMode(int mode);
// The scheme window that picks the measure of plan-status mode `mode`.
MeasureKind measureKindOf(int mode);

// Modes 1 to 10; `anyRead` tells whether a passport was read.
bool markGroup(int mode, bool& anyRead);
// Modes 11 to 18; UNIK is left at the last passport of the file.
bool markByPlanStatus(int mode, const PickedMeasure& picked);

}  // namespace vx::registry::marking
