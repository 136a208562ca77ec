#pragma once
// The layouts of the scheme windows, apart from their logic.

#include "planning/schemes/scheme_kinds.h"
#include "platform/ui/window.h"

namespace vx::planning::schemes {

// The pictures of the plan values, in the list and in the form alike.
inline constexpr const char* kPlanCountPicture = "@n7b";
inline constexpr const char* kPlanDaysPicture = "@n3b";
inline constexpr const char* kPlanDatePicture = "@d6.b";

void layoutSchemeList(ui::Window& w, const SchemeKind& k);
void layoutSchemeForm(ui::Window& w, const SchemeKind& k);

}  // namespace vx::planning::schemes
