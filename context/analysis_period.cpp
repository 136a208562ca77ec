#include "context/analysis_period.h"

#include "context/globals.h"
#include "platform/core/dates.h"

namespace vx::glo {

void defaultAnalysisPeriod() {
    if (DATABEGIN.toDayNumber() != 0 && DATAEND.toDayNumber() != 0) return;
    const int year = yearOf(clock::today());
    DATABEGIN = PackedDate::of(1, 1, year);
    DATAEND = PackedDate::of(31, 12, year);
}

}  // namespace vx::glo
