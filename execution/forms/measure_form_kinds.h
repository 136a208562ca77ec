#pragma once
// Everything in which the preventive and the diagnostic measure record forms
// differ; both are built from one of these two entries.

#include <string>

#include "dictionary/names.h"
#include "planning/schemes/measure_kind.h"

namespace vx::execution {

using planning::schemes::MeasureKind;

struct MeasureFieldNames {
    const char* statementNumber;
    const char* statementDate;
    const char* statementDoc;
    const char* actDoc;
};

struct SchemeNames {
    const char* prefix;  // "BOL"
    const char* id;
    const char* filter;  // the schemes of the current species
    const char* idTitle;
};

struct MeasureFormKind {
    MeasureKind kind;
    dct::RelateRef relate;
    dct::RelateRef schemeFile;
    dct::AccessRef schemes;
    dct::KeyRef schemeById;  // also the measure list's order
    const char* prefix;      // of the record's controls: "?VPO:IDHOZ"
    MeasureFieldNames fields;
    SchemeNames scheme;

    const char* procedure;
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
    bool expertise;  // the reaction and the expertise
    // Calendar and file dialog titles.
    const char* statementCalendar;
    const char* actCalendar;
    const char* statementDialog;
    const char* cancelCaption;

    std::string control(const char* field) const { return std::string("?") + prefix + ":" + field; }
    std::string schemeControl(const char* field) const { return std::string("?") + scheme.prefix + ":" + field; }
};

const MeasureFormKind& measureFormKind(MeasureKind kind);

}  // namespace vx::execution
