#pragma once
// The benchmark cases of the printed reports, on the analyses' database (50
// holdings of 10 farms, the passports of the size setting), run as the register runs them:
//   report-animal-list-<size>  the animal list to its last page, through its progress window and preview;
//                              peak_mb: the memory it needs above what was resident before it
//   report-first-page          from the start until the preview shows page 1 (it lays out the rest meanwhile)
//   report-pdf-<size>          those pages written as PDF
// Each prints its figures, the page count and its limit. The fixture's database is chosen again afterwards.

#include "bench/fixture.h"

namespace vx::bench {

void reportCases(const Fixture& fx);

}  // namespace vx::bench
