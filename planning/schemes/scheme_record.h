#pragma once
// The running thread's scheme buffer of either kind (BOLEZN and TASK share a
// design but not their field names), and what a scheme list leaves for others.

#include "planning/measure_kinds.h"

namespace vx::planning::schemes {

// The fields of the thread's scheme buffer of that kind, and a copy of its values.
SchemeFields schemeFields(MeasureKind kind);
Scheme bufferedScheme(MeasureKind kind);

// What a row event of a scheme list leaves for other windows: the current measure
// (IDTASK, IDVIDANIM, TASNAME, TASKBOL) and the eight plan values.
void publishScheme(const Scheme& s);
// The plan values alone.
void publishPlanValues(const Scheme& s);

}  // namespace vx::planning::schemes
