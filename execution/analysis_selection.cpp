#include "execution/analysis_selection.h"

#include "context/globals.h"
#include "platform/core/dates.h"

namespace vx::execution {

AnalysisPeriod AnalysisPeriod::current() { return {glo::DATABEGIN.toDayNumber(), glo::DATAEND.toDayNumber()}; }

void AnalysisPeriod::defaultToThisYear() {
    if (!glo::DATABEGIN.empty() && !glo::DATAEND.empty()) return;
    const int year = yearOf(clock::today());
    glo::DATABEGIN = PackedDate::of(1, 1, year);
    glo::DATAEND = PackedDate::of(31, 12, year);
}

AnalysisSelection AnalysisSelection::current(AnalysisScope scope) {
    return {scope, glo::IDHOZ.value(), glo::IDFERM.value(), AnalysisPeriod::current()};
}

store::ScanSpec AnalysisSelection::scanOf(const store::Table& records, int byPlace) const {
    store::ScanSpec spec;
    if (holding.isZero() && !records.def().keys[byPlace].blanksKept) return spec;
    spec.keyIndex = byPlace;
    spec.equal = {Value(holding)};
    if (scope == AnalysisScope::Farm) spec.equal.push_back(Value(farm));
    return spec;
}

}  // namespace vx::execution
