#include "planning/schemes/scheme_record.h"

#include "context/current.h"

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
    const auto herd = [](const PlanSet& p) { return glo::HerdPlan{p.days, p.heads, p.treatments, p.fixedDate}; };
    glo::leavePlanValues(herd(s.mainHerd), herd(s.youngStock));
}

void publishScheme(const Scheme& s) {
    // Both names hold 30 characters: the name is cut to them.
    glo::leaveChosenMeasure({.scheme = s.id, .schemeName = s.name, .caption = s.name});
    glo::leaveAnimal({.species = s.species});
    publishPlanValues(s);
}

}  // namespace vx::planning::schemes
