#pragma once
// The layouts of the scheme windows, apart from their logic.

#include "planning/measure_kinds.h"
#include "platform/ui/window.h"

namespace vx::planning::schemes {

// The pictures of the plan values, in the list and in the form alike.
inline constexpr const char* kPlanCountPicture = "@n7b";
inline constexpr const char* kPlanDaysPicture = "@n3b";
inline constexpr const char* kPlanDatePicture = "@d6.b";

// The scheme list's columns, named by their fields; the layout and the list read them.
const dct::ColumnTable& schemeListColumns(MeasureKind kind);

void layoutSchemeList(ui::Window& w, MeasureKind kind);
void layoutSchemeForm(ui::Window& w, const SchemeBook& k);

}  // namespace vx::planning::schemes
