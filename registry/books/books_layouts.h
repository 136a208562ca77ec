#pragma once
// The layouts of the book windows, apart from their logic.

#include "platform/ui/window.h"

namespace vx::registry::books {

void layoutBrowseanimvid(ui::Window& w);
void layoutUpdateanimvid(ui::Window& w);
void layoutBrowsePol(ui::Window& w);
void layoutUpdatePol(ui::Window& w);

// Ids show four digits with leading zeros.
inline constexpr const char* kIdPicture = "@P####P";

}  // namespace vx::registry::books
