#include "planning/schemes/scheme_record.h"

#include "app/globals.h"
#include "dictionary/names.h"

namespace vx::planning::schemes {

using namespace dct;

SchemeFields schemeFields(MeasureKind kind) {
    if (kind == MeasureKind::Preventive)
        return {BOL->ID,      BOL->CHEK,  BOL->NAME,    BOL->IDANIM,  BOL->DNEY,    BOL->GLPLAN, BOL->GOPLAN,
                BOL->PREDATA, BOL->DNEYM, BOL->GLPLANM, BOL->GOPLANM, BOL->PREDATM, BOL->PRIM};
    return {TAS->IDTASK,  TAS->CHEK,  TAS->NAME,    TAS->VIDANIM,  TAS->DNEY,     TAS->GLPLAN, TAS->GOPLAN,
            TAS->PREDATA, TAS->DNEYM, TAS->GLPLANM, TAS->GOLPLANM, TAS->PREDATAM, TAS->PRIM};
}

Scheme schemeOf(const BOLEZNRecord& r) {
    return {r.ID,
            r.IDANIM,
            r.NAME.str(),
            {r.DNEY, r.GLPLAN, r.GOPLAN, r.PREDATA},
            {r.DNEYM, r.GLPLANM, r.GOPLANM, r.PREDATM}};
}

Scheme schemeOf(const TASKRecord& r) {
    return {r.IDTASK,
            r.VIDANIM,
            r.NAME.str(),
            {r.DNEY, r.GLPLAN, r.GOPLAN, r.PREDATA},
            {r.DNEYM, r.GLPLANM, r.GOLPLANM, r.PREDATAM}};
}

Scheme bufferedScheme(MeasureKind kind) { return kind == MeasureKind::Preventive ? schemeOf(*BOL) : schemeOf(*TAS); }

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
