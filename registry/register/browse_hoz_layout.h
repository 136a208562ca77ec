#pragma once
// The layout of the register window, apart from its logic.

#include "platform/core/fields.h"
#include "platform/ui/window.h"

namespace vx::registry {

// `marking` is the window's own VUDELIT, bound to the marking combo.
void layoutBrowsehoz(ui::Window& w, Str& marking);

}  // namespace vx::registry
