#pragma once
// The measure record forms, called through the update dispatch of the register
// and the journals with GLOBALREQUEST, answering in GLOBALRESPONSE:
//   Updatevpo  a preventive measure record (VPO)
//   Updatevdi  a diagnostic measure record (VDI)
// They read the calling thread's current passport (its herd group) and the
// globals IDVIDANIM, IDANIM and DATAROG of the animal the caller is on.

namespace vx::execution {

void Updatevpo();
void Updatevdi();

}  // namespace vx::execution
