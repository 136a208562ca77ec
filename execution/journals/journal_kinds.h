#pragma once
// What the preventive and the diagnostic measure journals differ in beyond the
// measure-kind table (their files, keys, order, chosen-measure global, record form
// and control report): the captions, columns, query items, filter, colours,
// dispatch numbers and tips.
// Both journals are built from one of these two entries.

#include <string>
#include <vector>

#include "dictionary/list_columns.h"
#include "dictionary/names.h"
#include "planning/measure_kinds.h"
#include "platform/core/fields.h"
#include "platform/ui/style.h"

namespace vx::execution {

using planning::MeasureKind;

// A query item on a field of the measure records.
struct QueryText {
    const char* field;
    const char* label;
    const char* picture;
};

// A document key's help line, followed by the clipped path it opens.
struct DocumentLine {
    const char* text;
    Str* path;
};

struct JournalKind {
    MeasureKind kind;
    const char* procedure;  // and the INI section
    const char* caption;
    const char* icon;
    dct::ColumnTable farms;
    dct::ColumnTable passports;
    dct::ColumnTable journal;  // of the journal list; the looks address "IDTASK", "NAME", "DATATASK", "IDANIM", "ID"
    std::vector<QueryText> query;

    const char* journalList;  // "?LIST:3"
    const char* editSuffix;   // of the journal list's buttons: "?INSERT:4"
    const char* titleControl;
    const char* title;
    const char* passportCaption;
    const char* editTips[3];  // insert, change, delete; "" for none
    const char* queryTip;
    const char* printTip;
    const char* periodEndTip;
    const char* toolText;

    const char* notDoneFilter;
    ui::Colour overdue;
    int doneWeight;
    int measureDispatch;    // the measure record form
    int passportDispatch;   // the passport form
    bool editKeys;          // Insert, Ctrl+Enter and Delete on the passport and journal lists
    bool queryHandsOver;    // ?QUERY hands its filter to the report too, not only ?PRINT:2
    bool printOnPassports;  // the list whose row the report starts from
    const char* groupTool;
    std::vector<const char*> tooltip;  // of the journal list, before the document lines
    std::vector<DocumentLine> documentKeys;
    std::vector<const char*> analysisLines;
};

const JournalKind& journalKind(MeasureKind kind);
// The holdings list's, the same in both journals.
const dct::ColumnTable& journalHoldings();

}  // namespace vx::execution
