#pragma once
// The plan for marked: one new planned measure record (VPO for a preventive
// scheme, VDI for a diagnostic one) for every marked passport of the scheme's
// species, in every holding and farm, with the main-herd or young-stock values
// by PAS:OSNMOL. Existing records are not looked at: planning twice plans twice.
// An animal planned by a day count without a valid birth date gets no record.
// The current-context globals stay as the windows' lists left them.
// All in one transaction over PASPORT and the measure file, which it opens itself:
// every record is added or none is (the user is then told why). The thread's record
// buffers are left untouched.

#include <string>

#include "planning/schemes/scheme_record.h"

namespace vx::planning::schemes {

struct PlanOutcome {
    bool stored = false;       // committed; else nothing was added and the cause was told
    int added = 0;
    int withoutBirthDate = 0;  // skipped: planned by days, birth date missing or invalid
};

PlanOutcome planForMarked(MeasureKind kind, const Scheme& scheme);

// Tells the user how a stored plan went, in the words of the scheme's kind.
void reportPlan(MeasureKind kind, const PlanOutcome& outcome);
// ... under `caption`, with `done` as its success.
void reportPlan(const std::string& caption, const std::string& done, const PlanOutcome& outcome);

}  // namespace vx::planning::schemes
