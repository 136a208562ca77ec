#pragma once
// The layouts of the database choice windows, apart from their logic: each
// builds the window's controls, caption, icon and resize strategy.

#include "platform/ui/window.h"

namespace vx::database {

void layoutBrowseBD(ui::Window& w);
void layoutUpdateBD(ui::Window& w);
void layoutUpdateConfig(ui::Window& w);

}  // namespace vx::database
