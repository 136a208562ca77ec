#pragma once
// The benchmark cases of the register window, played through the headless harness.

#include "bench/fixture.h"

namespace vx::bench {

// register-open on a database of its own beside the fixture's (100,000 passports
// in 50 holdings of 10 farms, three measure records each), then register-scroll
// by page down through the animal list of a farm of 2,000 passports that it adds,
// then register-refill-after-write: its lists read again after another window's write.
// The fixture's database is chosen again afterwards.
void registerCases(const Fixture& fx);

}  // namespace vx::bench
