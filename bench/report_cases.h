#pragma once
// The benchmark cases of the printed reports, on the analyses' database (50
// holdings of 10 farms, 100,000 passports), run as the register runs them:
//   report-animal-list-100k  the animal list to its page model, through its progress window and preview
//   report-first-page        from the start until the preview shows page 1 (it lays out the rest meanwhile)
//   report-pdf-100k          those pages written as PDF
// Each prints its figures, the page count and its limit. The fixture's database is chosen again afterwards.

#include "bench/fixture.h"

namespace vx::bench {

void reportCases(const Fixture& fx);

}  // namespace vx::bench
