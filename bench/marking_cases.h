#pragma once
// The benchmark cases of the register's whole-file tools, each against its limit.

#include <string>

#include "bench/fixture.h"

namespace vx::bench {

// mark-all-100k, mark-all-100k-two-stations (another process adds passports to the
// same folder meanwhile), plan-status-100k, age-sync-100k; the names end on the size
void markingCases(const Fixture& fx);

// The argument that makes the program the second station of the folder after it.
inline constexpr const char* kSecondStation = "--second-station";
// Adds passports to that folder until the process is ended.
[[noreturn]] void runSecondStation(const std::string& folder);

}  // namespace vx::bench
