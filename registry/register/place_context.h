#pragma once
// The current holding and farm a list of holdings and farms leaves for the other
// windows (IDHOZ, HOZNAME, IDFERM, FERNAME), from the thread's HOZ and FERMA
// buffers. An empty list copies nothing of another holding or farm: its part of
// the context is cleared, and a holding without farms has no farm. Shared with
// the measure journals, whose holdings and farms lists leave the same context.

namespace vx::registry {

void copyHoldingAndFarm(bool holdingShown, bool farmShown);

}  // namespace vx::registry
