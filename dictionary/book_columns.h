#pragma once
// Column tables that several windows' drop lists share.

#include "dictionary/list_columns.h"

namespace vx::dct {

// The species book as the forms' species combos show it: the name, then the id.
const ColumnTable& speciesDropColumns();

}  // namespace vx::dct
