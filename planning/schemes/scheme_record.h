#pragma once
// One view of the two scheme records (BOLEZN and TASK share a design but not
// their field names): the running thread's record buffer of either kind, and a
// copy of a scheme's values taken from it.

#include <string>

#include "dictionary/records.h"
#include "planning/planned_date.h"
#include "planning/schemes/measure_kind.h"
#include "platform/core/fields.h"

namespace vx::planning::schemes {

// The fields of the thread's scheme buffer of one kind.
struct SchemeFields {
    Dec& id;
    Byte& mark;
    Str& name;
    Dec& species;
    Dec& days;
    Dec& heads;
    Dec& treatments;
    Long& fixedDate;
    Dec& youngDays;
    Dec& youngHeads;
    Dec& youngTreatments;
    Long& youngFixedDate;
    Str& description;
};

SchemeFields schemeFields(MeasureKind kind);

struct Scheme {
    Decimal id;
    Decimal species;
    std::string name;
    planning::PlanSet mainHerd;
    planning::PlanSet youngStock;
};

Scheme schemeOf(const dct::BOLEZNRecord& r);
Scheme schemeOf(const dct::TASKRecord& r);
// The scheme in the thread's buffer of that kind.
Scheme bufferedScheme(MeasureKind kind);

// What a row event of a scheme list leaves for other windows: the current measure
// (IDTASK, IDVIDANIM, TASNAME, TASKBOL) and the eight plan values.
void publishScheme(const Scheme& s);
// The plan values alone.
void publishPlanValues(const Scheme& s);

}  // namespace vx::planning::schemes
