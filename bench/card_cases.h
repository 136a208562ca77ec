#pragma once
// The benchmark case of the standard cards.

#include "bench/fixture.h"

namespace vx::bench {

// card-plan-100k: a diagnostic card of three lines planned for every passport
// (marked, of species 1, by the scheme cases before it): 300,000 VDI records,
// beside SQLite appending the same records in one transaction.
void cardCases(const Fixture& fx);

}  // namespace vx::bench
