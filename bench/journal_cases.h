#pragma once
// The benchmark cases of the measure journals, played through the headless harness.

#include "bench/fixture.h"

namespace vx::bench {

// journal-open on a database of its own beside the fixture's (100,000 passports
// in 50 holdings of 10 farms, three VPO records each, every third one done), then
// journal-scroll by page down through the journal list of a farm of 6,000 VPO
// records that it adds, and journal-filter: the not-done filter on and off there.
// The fixture's database is chosen again afterwards.
void journalCases(const Fixture& fx);

}  // namespace vx::bench
