#pragma once
// Everything in which the diagnostic and the preventive count records differ in
// the calculator: its two count lists and the two forms are built from one of
// these two entries (the files are the measure kinds' rows).

#include <string>
#include <vector>

#include "platform/core/decimal.h"

#include "dictionary/names.h"
#include "planning/measure_kinds.h"

namespace vx::calculator {

using planning::MeasureKind;

struct CountQueryItem {
    const char* field;  // of the count record: "IDHOZ" makes UPPER(DSE:IDHOZ)
    const char* label;
    const char* picture;
};

// The count and scheme files themselves are the measure kind's (planning::measureKind).
struct CountKind {
    MeasureKind kind;
    dct::RelateRef relate;
    dct::CountRecord& (*record)();  // the running thread's buffer
    const char* prefix;             // of field and control names: "DSE"

    // The scheme behind the measure id: the measure kind's scheme book, ordered by species
    // for the form's measure list.
    int schemeBySpecies;
    // Loads the scheme of a measure id into the thread's scheme buffer (cleared when there is none).
    void (*fetchScheme)(const Decimal& id);

    // The calculator's list
    const char* list;  // ?LIST:2
    int updateNumber;
    const char* buttonSuffix;  // of ?INSERT, ?CHANGE, ?DELETE
    const char* heading;
    const char* tipTitle;         // the first line of the row's tip
    bool tipIdFromScheme;         // its second line starts with the scheme's id, else the record's
    const char* statementTipText;  // "Файл Описи... "
    const char* query;     // the query button
    std::vector<CountQueryItem> queryItems;
    const char* statementColumn;  // title of the statement path's column
    bool plannedColumnIcon;       // and blank when 0, else shown as a number

    // The form
    const char* form;
    const char* formCaption;
    const char* holdingPrompt;
    const char* measurePrompt;
    const char* measureIdTitle;  // of the drop list's second column
    const char* measureTip;      // "" for none
    const char* doneCalendar;
    bool statusFirst;  // the plan box opens the first tab, else it stands with the done box
    bool reactions;    // heads that reacted, negatively and positively
    bool expertise() const { return planning::measureKind(kind).expertise; }
    const char* statementDatePrompt;
    const char* statementDateTitle;
    const char* statementFilePrompt;
    const char* statementFileTitle;
    const char* statementNumberPrompt;

    std::string control(const char* field) const { return std::string("?") + prefix + ":" + field; }
    const planning::SchemeBook& schemes() const { return planning::measureKind(kind).schemes; }
    std::string schemeControl(const char* field) const { return schemes().control(field); }
    Decimal schemeIdOf() const { return schemes().buffered().id.value(); }
    Str& schemeName() const { return schemes().buffered().name; }
};

const CountKind& countKind(MeasureKind kind);

}  // namespace vx::calculator
