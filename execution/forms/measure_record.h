#pragma once
// A measure record by meaning: the thread's VPO or VDI buffer (or any record of
// either file), whose fields carry different names and, for the diagnostic file,
// an expertise and a reaction more.

#include "dictionary/records.h"
#include "planning/measure_kinds.h"
#include "platform/core/fields.h"

namespace vx::execution {

using planning::MeasureKind;

struct MeasureFields {
    Long& animal;  // the passport's unique number
    Byte& mark;
    Dec& holding;
    Dec& farm;
    Str& number;  // inventory number
    Dec& species;
    Dec& group;
    Dec& measure;
    Dec& headsPlanned;
    Dec& headsDone;
    Dec& treatmentsPlanned;
    Dec& treatmentsDone;
    Long& planned;
    Dec& preparation;
    Dec& norm;
    Str& statementNumber;
    Long& statementDate;
    Str& statementDoc;
    Str& actNumber;
    Long& actDate;
    Str& actDoc;
    // Diagnostic records only; nullptr in a preventive one.
    Str* expertiseNumber;
    Long* expertiseDate;
    Str* expertiseDoc;
    Byte* reaction;
    Str& note;
};

MeasureFields measureFields(dct::VPORecord& r);
MeasureFields measureFields(dct::VDIRecord& r);
// The running thread's buffer of that kind.
MeasureFields measureFields(MeasureKind kind);

}  // namespace vx::execution
