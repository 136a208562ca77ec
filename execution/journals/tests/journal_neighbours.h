#pragma once
// The forms and reports a journal opens by name, their procedures the real ones:
// the holding and passport forms, the measure record forms and the control lists.

#include "windows/window_table.h"

namespace vx::execution::testing {

windows::WindowTable journalNeighbours();

}  // namespace vx::execution::testing
