#pragma once
// The measure journals, each started by the frame on a thread of its own:
//   BrowseVPO  the execution of preventive measures (VPO), per holding and farm
//   BrowseVDI  the execution of diagnostic measures (VDI)
// Every list event leaves the current holding, farm, animal and measure record
// in the context globals; the journal list's buttons call the measure forms.

namespace vx::windows {
class WindowTable;
}

namespace vx::execution {

void BrowseVPO(const windows::WindowTable& windows);
void BrowseVDI(const windows::WindowTable& windows);

}  // namespace vx::execution
