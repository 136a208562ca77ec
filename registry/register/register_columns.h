#pragma once
// The columns of the register's holdings, farms and animal lists, which the
// layout and the lists read (the measure panels' are in register_panels.h).

#include "dictionary/list_columns.h"

namespace vx::registry {

const dct::ColumnTable& holdingColumns();  // ?BROWSE:1
const dct::ColumnTable& farmColumns();     // ?LIST
const dct::ColumnTable& animalColumns();   // ?LIST:2

}  // namespace vx::registry
