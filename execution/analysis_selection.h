#pragma once
// What an analysis or a board takes: the records of the current holding (and
// farm), count records only when dated in the analysis period (DATABEGIN,
// DATAEND). A date of 0 (no date) never lies inside the period; an empty bound
// is open, so with both bounds empty every record counts, and with only the end
// set everything dated up to the end.

#include <cstdint>
#include <vector>

#include "platform/core/decimal.h"
#include "platform/store/record_file.h"

namespace vx::execution {

enum class AnalysisScope { Holding, Farm };

struct AnalysisPeriod {
    int32_t first = 0;  // day numbers, 0 for an empty bound
    int32_t last = 0;

    // DATABEGIN and DATAEND as they are now (an invalid packed date is empty).
    static AnalysisPeriod current();
    // When either of them is empty, both become 1 January and 31 December of this year.
    static void defaultToThisYear();

    // A count record counts when its planned date or its done date lies in the
    // period, bounds included: the conditions of a scan on those two fields (none
    // when both bounds are empty).
    std::vector<store::Condition> takes(int plannedDate, int doneDate) const;
};

struct AnalysisSelection {
    AnalysisScope scope = AnalysisScope::Holding;
    Decimal holding, farm;
    AnalysisPeriod period;

    // IDHOZ, IDFERM and the period as they are now.
    static AnalysisSelection current(AnalysisScope scope);

    // How to read the records of the holding (and farm) of a file whose key
    // `byPlace` starts with the holding and the farm: through that key, as sums
    // do not depend on the order; the whole file in record order where the key
    // may leave some of them out (a holding of 0, in a key without blank entries).
    // Either way it reads those records alone.
    store::ScanSpec scanOf(const store::Table& records, int byPlace) const;
    // The same over count records (DATATASK, DATAVUP), those the period takes alone.
    store::ScanSpec countScanOf(const store::Table& records, int byPlace) const;
};

}  // namespace vx::execution
