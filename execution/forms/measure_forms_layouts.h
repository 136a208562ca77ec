#pragma once
// The layout of the measure record forms, apart from their logic.

#include "execution/forms/measure_form_kinds.h"
#include "platform/ui/window.h"

namespace vx::execution {

void layoutMeasureForm(ui::Window& w, const MeasureFormKind& k);

}  // namespace vx::execution
