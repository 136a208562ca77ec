#pragma once
// The benchmark cases of the plan-execution analyses and the calculator's board,
// on a database of their own beside the fixture's: 50 holdings of 10 farms, the
// passports (100,000 by default) with three VPO records each, as many records as
// passports in each count file. The names end on the records read (-300k, -100k):
//   analysis-scan-300k       the journal analysis's scan of VPO (by holding), without the sheet
//   calc-analysis-scan-100k  the calculator analysis's scan of DVSEGO (by holding, in the period)
//   board-100k               one board button (diagnostic, by holding)
//   calc-open                the calculator window opened with the first page of each of its lists
// Each beside plain SQLite reading the same records and summing them alike, both
// sides the median of five runs.
// The fixture's database is chosen again afterwards.

#include "bench/fixture.h"

namespace vx::bench {

void analysisCases(const Fixture& fx);

}  // namespace vx::bench
