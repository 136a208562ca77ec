#pragma once
// The group-execution tools, each started by its journal on a thread of its own:
//   Vp_VPO  the statement and act for the marked preventive records (VPO)
//   Vp_VDI  the statement, act and expertise for the marked diagnostic records (VDI)
// of the current holding, farm and measure the journal left in the globals.

namespace vx::execution {

void Vp_VPO();
void Vp_VDI();

}  // namespace vx::execution
