#pragma once
// The layout of the frame "Main": caption, icon and font, the menu bar, the
// toolbar with its captioned groups and check buttons, and the status bar
// (zone 1 the help texts, zone 2 the day and date, zone 3 the time).

#include "platform/ui/window.h"

namespace vx::frame {

void layoutMain(ui::Window& w);

}  // namespace vx::frame
