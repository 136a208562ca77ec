#pragma once
// The measure scheme books:
//   BrwtaskVPO     preventive schemes (BOLEZN), plan for marked into VPO
//   BrwtaskVDI     diagnostic schemes (TASK), plan for marked into VDI
//   UpdatetaskVPO  form of a preventive scheme, update procedure 1 of BrwtaskVPO
//   UpdatetaskVDI  form of a diagnostic scheme, update procedure 1 of BrwtaskVDI
// Every row event of a list leaves the scheme in the current measure globals and
// the plan values; "Выбрать" hands it to a caller that used the list as a picker.

namespace vx::planning::schemes {

void BrwtaskVPO();
void BrwtaskVDI();
void UpdatetaskVPO();
void UpdatetaskVDI();

}  // namespace vx::planning::schemes
