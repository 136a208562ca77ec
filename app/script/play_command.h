#pragma once
// One parsed command played on the harness. Dumps write their text to `out`.

#include <ostream>

#include "app/script/script.h"
#include "platform/headless/harness.h"

namespace vx::script {

ui::Outcome playCommand(headless::Harness& h, const Command& c, std::ostream& out);

}  // namespace vx::script
