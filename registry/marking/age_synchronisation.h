#pragma once
// Age synchronisation: the stored age (PAS:VOZRASTG/M/D) of every passport of
// every holding and farm, recomputed from its birth date as of today and written
// back, then the completion message. VV, GG, MM and DD keep the last passport's
// values. Reads through a scan of its own; the caller reloads its lists.

namespace vx::registry::marking {

void synchroniseAges();
// The same without the message.
void storeAges();

}  // namespace vx::registry::marking
