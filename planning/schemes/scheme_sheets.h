#pragma once
// The two lists the scheme windows fill into Excel templates, as the cells they
// write on the first sheet. Rows are written over the template's own rows; none
// is inserted.
//   Alt+P  the scheme reference list: A1 "Справочник", A2 the kind's words; from
//          row 5 one row per scheme in id order: A the id, B the name as stored
//          (36 characters), C the species.
//   Alt+X  the animals without a measure: A3 the measure's name; from row 6 one
//          row per animal of the unplanned list: A its number in the list, B the
//          unique number, C the inventory number as stored (15 characters), D the
//          species name, E the sex-age group name (both left as the template has
//          them when the book lacks the id), F the birth date, G the owner, H the address.
// The files a list reads must be open on the running thread.

#include <string>
#include <string_view>
#include <vector>

#include "planning/measure_kinds.h"
#include "platform/core/decimal.h"
#include "platform/office/automation_control.h"

namespace vx::planning::schemes {

struct SheetCell {
    std::string address;
    office::CellInput value;
};
using SheetCells = std::vector<SheetCell>;

// ROW1 counts the rows: it ends on the last one written (4 without schemes).
SheetCells schemeReferenceSheet(MeasureKind kind);
SheetCells unplannedAnimalsSheet(MeasureKind kind, const Decimal& measureId, const Decimal& species,
                                 std::string_view measureName);

// Alt+P and Alt+X: a template chosen in a file dialog (a cancelled dialog goes on
// with the path NPDF or NAMEFILE holds) is filled, the completion message comes,
// and the workbook is brought into view, unsaved; a fill that fails stops with the
// office layer's message instead. Alt+X lists the animals without IDTASK of
// species IDVIDANIM under the heading TASNAME.
void printSchemeReference(MeasureKind kind);
void printUnplannedAnimals(MeasureKind kind);

}  // namespace vx::planning::schemes
