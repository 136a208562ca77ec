#pragma once
// The benchmark cases of the measure schemes.

#include "bench/fixture.h"

namespace vx::bench {

// alt-x-100k, then plan-marked-100k (which marks every passport and adds a VPO
// record for each, so it runs after every other case).
void schemeCases(const Fixture& fx);

}  // namespace vx::bench
