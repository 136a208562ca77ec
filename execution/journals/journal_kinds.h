#pragma once
// Everything in which the preventive and the diagnostic measure journals
// differ; both journals are built from one of these two entries. The journal
// list's columns are one table read by the layout (titles, pictures, widths)
// and by the list (the fields behind them) alike.

#include <string>
#include <vector>

#include "dictionary/names.h"
#include "planning/schemes/measure_kind.h"
#include "platform/core/fields.h"
#include "platform/ui/style.h"

namespace vx::execution {

using planning::schemes::MeasureKind;

enum class ColumnFile { Measures, Schemes, Species };

struct JournalColumn {
    const char* title;
    ColumnFile file;
    const char* field;
    const char* picture;
    int width;  // characters
    bool right = false;
    bool icons = false;
};

struct QueryText {
    const char* expression;
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
    dct::RelateRef measures;
    dct::AccessRef measureFile;
    dct::RelateRef schemes;
    dct::AccessRef schemeFile;
    int schemeKey;
    void (*form)();      // the measure record form
    Dec* chosenMeasure;  // the current-measure global the journal list sets
    int placeKey;        // holding, farm, animal
    const char* appendedOrder;
    std::vector<JournalColumn> columns;
    std::vector<QueryText> query;

    const char* journalList;  // "?LIST:3"
    const char* editSuffix;   // of the journal list's buttons: "?INSERT:4"
    const char* titleControl;
    const char* title;
    const char* passportCaption;
    const char* farmHoldingTitle;
    int farmIdWidth;
    int uniqueWidth;
    const char* numberTitle;
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

}  // namespace vx::execution
