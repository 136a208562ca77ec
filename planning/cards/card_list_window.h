#pragma once
// The one implementation of both card lists and their forms.

#include "planning/measure_kinds.h"

namespace vx::planning::cards {

void runCardList(MeasureKind kind);
// The list's update procedures: 1 the card form, 2 the line form.
void runCardForm(MeasureKind kind);
void runCardLineForm(MeasureKind kind);

}  // namespace vx::planning::cards
