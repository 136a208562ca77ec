#pragma once
// The layouts of the exchange windows, apart from their logic.

#include "dictionary/list_columns.h"
#include "exchange/place_pickers.h"
#include "context/current.h"
#include "planning/measure_kinds.h"
#include "platform/core/fields.h"
#include "platform/ui/layout.h"
#include "platform/ui/window.h"

namespace vx::exchange {

// What the export window's own controls hold: its copies of what was picked
// there, which no other window changes.
struct ExportWindowFields {
    PlaceFields places;
    Byte freeHeading = 0;  // ?SHAPKA
    Dec firstRow{5, 0};    // ?ROW1
    Dec variant{3, 0};     // ?VRASCH
};

// The import window's rows and workbook.
struct ImportWindowFields {
    PlaceFields places;
    Str workbook{128};  // ?NAMEFILE
    Dec firstRow{5, 0}, lastRow{5, 0};
};

// The lists' columns, named by their fields: what the layouts show and the logic reads.
const dct::ColumnTable& catalogueColumns();                                // BrowseExp's ?BROWSE:1
const dct::ColumnTable& exportTemplateColumns();                           // WinExport's ?EXP:NAME
const dct::ColumnTable& exportMeasureColumns(planning::MeasureKind kind);  // ?TAS:NAME, ?BOL:NAME
const dct::ColumnTable& holdingPickColumns();                              // ?HOZ:NAME
const dct::ColumnTable& farmPickColumns();                                 // ?FER:NAME
// The measure lists of the export window, in the order it shows them.
inline constexpr planning::MeasureKind kExportMeasureLists[] = {planning::MeasureKind::Diagnostic,
                                                                planning::MeasureKind::Preventive};

// The export window's list of the kind's schemes, whose pick goes to the heading cells.
struct ExportMeasureList {
    const char* prompt;     // above the list
    const char* tip;
    const char* nameTitle;  // of the name column
    const char* idTitle;
    glo::ChosenNameField pickedName;  // BOLNAME or TASNAME, a pick sets it beside chosenMeasure
};
const ExportMeasureList& exportList(planning::MeasureKind kind);

void layoutBrowseExp(ui::Window& w);
void layoutUpDateExp(ui::Window& w);
void layoutWinExport(ui::Window& w, ExportWindowFields& f);
void layoutWinImport(ui::Window& w, ImportWindowFields& f);

// The holding and farm combos both windows pick from.
void placePickers(ui::LayoutBuilder& b, PlaceFields& f);
void pickerColumns(ui::Window& w);
// "?BOL:NAME": the export window's list of the kind's schemes.
std::string exportMeasureList(planning::MeasureKind kind);

}  // namespace vx::exchange
