#include "planning/schemes/scheme_record.h"

#include "context/globals.h"

namespace vx::planning::schemes {

SchemeFields schemeFields(MeasureKind kind) { return measureKind(kind).schemes.buffered(); }

Scheme bufferedScheme(MeasureKind kind) {
    const SchemeFields f = schemeFields(kind);
    return {f.id,
            f.species,
            f.name.str(),
            {f.days, f.heads, f.treatments, f.fixedDate},
            {f.youngDays, f.youngHeads, f.youngTreatments, f.youngFixedDate}};
}

void publishPlanValues(const Scheme& s) {
    glo::DNEY = s.mainHerd.days;
    glo::GLPLAN = s.mainHerd.heads;
    glo::GOPLAN = s.mainHerd.treatments;
    glo::PREDATA = s.mainHerd.fixedDate;
    glo::DNEYM = s.youngStock.days;
    glo::GLPLANM = s.youngStock.heads;
    glo::GOPLANM = s.youngStock.treatments;
    glo::PREDATAM = s.youngStock.fixedDate;
}

void publishScheme(const Scheme& s) {
    glo::IDTASK = s.id;
    glo::IDVIDANIM = s.species;
    publishPlanValues(s);
    // Both hold 30 characters: the name is cut to them.
    glo::TASNAME = s.name;
    glo::TASKBOL = s.name;
}

}  // namespace vx::planning::schemes
