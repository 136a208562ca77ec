#pragma once
// The benchmark cases of the journals' operations and group execution, on the
// journal database the journal cases chose (100,000 passports by default in 500
// farms, three VPO records each, and a farm of 2,000 passports more):
//   journal-toggle-measure  a measure's records of that farm toggled (2,000 of them)
//   group-execution-300k    the tool's scan and writes, those 2,000 selected
//   journal-delete-marked   a tenth of the file's records marked and deleted (30,000)
// Each beside plain SQLite doing the same reads (the farm's records, or the whole
// file) and writes in one transaction (rolled back, so both sides start from the
// same records).

namespace vx::bench {

// `bigFarm` is the farm of 2,000 passports of holding 1.
void operationCases(int bigFarm);

}  // namespace vx::bench
