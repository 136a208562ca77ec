#pragma once
// The benchmark cases of the register window, played through the headless harness.

#include "bench/fixture.h"

namespace vx::bench {

// register-open on the fixture's 100,000 passports, then register-scroll through
// the animal list of a farm of 2,000 passports that it adds.
void registerCases(const Fixture& fx);

}  // namespace vx::bench
