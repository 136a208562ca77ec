#pragma once
// The two rules of a measure record form.
//
// Planning: a chosen scheme gives a record that is not done (no act date) its
// plan counts by the stage of the measure and the animal's herd group (2 main
// herd, 1 young stock, any other value: nothing); a second stage plans heads
// only. An empty planned date takes the group's fixed date, else the birthday
// in today's year plus the group's day count; with neither it stays empty.
//
// Done: an act date marks the record done once: one head and one treatment
// for a one-stage measure or a first stage, one head for a second stage;
// counters already set stay.

#include <cstdint>

#include "execution/forms/measure_record.h"
#include "planning/measure_kinds.h"

namespace vx::execution {

void planFromScheme(const MeasureFields& r, const planning::Scheme& scheme, Byte herdGroup, int32_t birthDate,
                    int32_t today);
void markDone(const MeasureFields& r);

}  // namespace vx::execution
