#pragma once
// Browsehoz, the register: holdings, the farms of the current holding, the
// passports of the current farm and the preventive and diagnostic measures of
// the current animal. Every event of the holdings, farms and animal lists copies
// their current rows into the program's current-context globals. The scheme and
// card windows of its buttons are started by name from `windows` on a new thread,
// and the measure forms and reports its lists and print buttons open are taken by
// name from it; a window without a procedure there is not started.

#include "windows/window_table.h"

namespace vx::registry {

void Browsehoz(const windows::WindowTable& windows);

}  // namespace vx::registry
