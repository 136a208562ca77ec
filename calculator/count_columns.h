#pragma once
// The columns of the calculator's lists, one table each for their layout and their browse's fields.

#include "dictionary/list_columns.h"
#include "planning/measure_kinds.h"

namespace vx::calculator {

const dct::ColumnTable& holdingColumns();  // ?BROWSE:1
const dct::ColumnTable& farmColumns();     // ?LIST
// The count list of the kind; its scheme name column is "SCHEME:NAME".
const dct::ColumnTable& countColumns(planning::MeasureKind kind);

}  // namespace vx::calculator
