#pragma once
// The plan for marked: one new planned measure record (VPO for a preventive
// scheme, VDI for a diagnostic one) for every marked passport of the scheme's
// species, in every holding and farm, with the main-herd or young-stock values
// by PAS:OSNMOL. Existing records are not looked at: planning twice plans twice.
// An animal planned by a day count without a valid birth date gets no record.
// The last marked animal of the species stays in IDHOZ, IDFERM, IDANIM, UNIK,
// IDPOL and DATAROG, whether a record was added for it or not.
// PASPORT and the measure file must be open on the running thread; their record
// buffers are left untouched.

#include <string>

#include "planning/schemes/scheme_record.h"

namespace vx::planning::schemes {

struct PlanOutcome {
    int added = 0;
    int failed = 0;            // writes the file refused
    int withoutBirthDate = 0;  // skipped: planned by days, birth date missing or invalid
};

PlanOutcome planForMarked(MeasureKind kind, const Scheme& scheme);

// Tells the user how the plan went, in the words of the scheme's kind.
void reportPlan(MeasureKind kind, const PlanOutcome& outcome);
// ... under `caption`, with `done` when every record was written.
void reportPlan(const std::string& caption, const std::string& done, const PlanOutcome& outcome);

}  // namespace vx::planning::schemes
