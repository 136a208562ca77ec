#pragma once
// The benchmark cases of the register's whole-file tools, each against its limit.

#include "bench/fixture.h"

namespace vx::bench {

// mark-all-100k, plan-status-100k, age-sync-100k
void markingCases(const Fixture& fx);

}  // namespace vx::bench
