#pragma once
// What the preventive and the diagnostic measure record forms differ in beyond
// the measure-kind table (their files, keys and prefixes): their captions,
// prompts and titles. Both forms are built from one of these two entries.

#include <string>

#include "dictionary/names.h"
#include "planning/measure_kinds.h"

namespace vx::execution {

using planning::MeasureKind;

struct MeasureFieldNames {
    const char* statementNumber;
    const char* statementDate;
    const char* statementDoc;
    const char* actDoc;
};

struct MeasureFormKind {
    MeasureKind kind;
    MeasureFieldNames fields;
    const char* schemeFilter;  // the schemes of the current species
    const char* schemeIdTitle;

    const char* caption;
    const char* speciesIdPicture;
    const char* treatmentsGroup;
    const char* planPrompt;
    const char* donePrompt;
    const char* numberTip;
    bool statementAfterAct;  // after the act and the reaction, else before the act
    const char* statementNumberPrompt;
    const char* statementNumberStatus;  // "" for none
    const char* statementDatePrompt;
    const char* statementDocPrompt;
    const char* actNumberTip;
    bool expertise() const { return planning::measureKind(kind).expertise; }  // the reaction and the expertise
    // Calendar and file dialog titles.
    const char* statementCalendar;
    const char* actCalendar;
    const char* statementDialog;
    const char* cancelCaption;

    // The controls of the record's fields ("?VPO:IDHOZ") and of the scheme's ("?BOL:NAME").
    std::string control(const char* field) const;
    std::string schemeControl(const char* field) const;
};

const MeasureFormKind& measureFormKind(MeasureKind kind);

}  // namespace vx::execution
