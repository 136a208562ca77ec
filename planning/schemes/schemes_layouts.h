#pragma once
// The layouts of the scheme windows, apart from their logic.

#include "platform/ui/window.h"
#include "planning/schemes/scheme_kinds.h"

namespace vx::planning::schemes {

void layoutSchemeList(ui::Window& w, const SchemeKind& k);
void layoutSchemeForm(ui::Window& w, const SchemeKind& k);

}  // namespace vx::planning::schemes
