#pragma once
// The plan of a standard card for marked animals: for every marked passport of
// the database, in record order, every line of the card meant for the animal's
// species adds one planned measure record (VDI for a diagnostic card, VPO for a
// preventive one) dated by the line's fixed date, or by the birthday in this
// year plus the line's day count. Existing records are not looked at: planning
// twice plans twice. An animal planned by a day count without a valid birth
// date gets no record from such a line; a line with a negative date adds nothing.
// The statement, act and expertise values are cleared first; the current-context
// globals stay as the windows' lists left them.
// All in one transaction over PASPORT, the card lines and the measure file,
// which it opens itself: every record is added or none is (the user is then
// told why). The thread's record buffers are left untouched.

#include "planning/measure_kinds.h"
#include "planning/schemes/plan_for_marked.h"

namespace vx::planning::cards {

using schemes::PlanOutcome;

PlanOutcome planCard(MeasureKind kind, const Decimal& card);

// Tells the user how the plan went, in the words of the card's kind.
void reportCardPlan(MeasureKind kind, const PlanOutcome& outcome);

}  // namespace vx::planning::cards
