#pragma once

#include "execution/group/group_tool_kinds.h"
#include "platform/ui/window.h"

namespace vx::execution {

void layoutGroupTool(ui::Window& w, const GroupToolKind& k);

}  // namespace vx::execution
