#pragma once
// The opening every automation operation starts with: its own control, whose
// number goes to FEQOLE, bound to the server by class name, with failing calls
// reported to the user.

#include <string_view>

#include "platform/office/automation_control.h"

namespace vx::office {

void openAutomation(AutomationControl& control, std::string_view className);

}  // namespace vx::office
