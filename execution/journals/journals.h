#pragma once
// The measure journals, each started by the frame on a thread of its own:
//   BrowseVPO  the execution of preventive measures (VPO), per holding and farm
//   BrowseVDI  the execution of diagnostic measures (VDI)
// Every list event leaves the current holding, farm, animal and measure record
// in the context globals. The holding, passport and measure record forms its
// lists' buttons open, and the control list of its print button, are taken by
// name from `windows`.

namespace vx::windows {
class WindowTable;
}

namespace vx::execution {

void BrowseVPO(const windows::WindowTable& windows);
void BrowseVDI(const windows::WindowTable& windows);

}  // namespace vx::execution
