#include "planning/schemes/scheme_record.h"

#include "app/globals.h"
#include "dictionary/names.h"

namespace vx::planning::schemes {

using namespace dct;

SchemeFields schemeFields(MeasureKind kind) {
    if (kind == MeasureKind::Preventive)
        return {BOL->ID,     BOL->CHEK,   BOL->NAME,    BOL->IDANIM,  BOL->DNEY,    BOL->GLPLAN, BOL->GOPLAN,
                BOL->PREDATA, BOL->DNEYM, BOL->GLPLANM, BOL->GOPLANM, BOL->PREDATM, BOL->PRIM};
    return {TAS->IDTASK,  TAS->CHEK,   TAS->NAME,    TAS->VIDANIM,  TAS->DNEY,     TAS->GLPLAN, TAS->GOPLAN,
            TAS->PREDATA, TAS->DNEYM,  TAS->GLPLANM, TAS->GOLPLANM, TAS->PREDATAM, TAS->PRIM};
}

Scheme bufferedScheme(MeasureKind kind) {
    const SchemeFields f = schemeFields(kind);
    return {f.id.value(),
            f.species.value(),
            f.name.str(),
            {f.days.value(), f.heads.value(), f.treatments.value(), f.fixedDate},
            {f.youngDays.value(), f.youngHeads.value(), f.youngTreatments.value(), f.youngFixedDate}};
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
