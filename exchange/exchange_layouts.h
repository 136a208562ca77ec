#pragma once
// The layouts of the exchange windows, apart from their logic.

#include "platform/core/fields.h"
#include "platform/ui/layout.h"
#include "platform/ui/window.h"

namespace vx::exchange {

// What the export window's own controls hold: its copies of what was picked
// there, which no other window changes.
struct ExportWindowFields {
    Byte freeHeading = 0;  // ?SHAPKA
    Dec firstRow{5, 0};    // ?ROW1
    Dec variant{3, 0};     // ?VRASCH
};

// The import window's rows and workbook.
struct ImportWindowFields {
    Str workbook{128};  // ?NAMEFILE
    Dec firstRow{5, 0}, lastRow{5, 0};
};

void layoutBrowseExp(ui::Window& w);
void layoutUpDateExp(ui::Window& w);
void layoutWinExport(ui::Window& w, ExportWindowFields& f);
void layoutWinImport(ui::Window& w, ImportWindowFields& f);

// The holding and farm combos both windows pick from.
void placePickers(ui::LayoutBuilder& b);
void pickerColumns(ui::Window& w);

}  // namespace vx::exchange
