#pragma once
// Age synchronisation: the stored age (PAS:VOZRASTG/M/D) of every passport of
// every holding and farm, recomputed from its birth date as of today and written
// back (no birth date, or one after today: no age). VV, GG, MM and DD keep the
// last passport's values. Reads through a scan of its own.

#include <functional>
#include <optional>

namespace vx::registry::marking {

// The ages stored, all in one transaction: how many passports have a birth date after today;
// nullopt when nothing was changed (the cause was told).
std::optional<int> storeAges();
// The ages stored, then `reloadLists`, then the completion message (only when they were stored).
void synchroniseAges(const std::function<void()>& reloadLists);

}  // namespace vx::registry::marking
