#pragma once

namespace vx::planning::schemes {

// Preventive schemes live in BOLEZN and plan into VPO, diagnostic ones in TASK and VDI.
enum class MeasureKind { Preventive, Diagnostic };

}  // namespace vx::planning::schemes
