#include "execution/analysis_selection.h"

#include "app/globals.h"

namespace vx::execution {

AnalysisPeriod AnalysisPeriod::current() { return {glo::DATABEGIN.toDayNumber(), glo::DATAEND.toDayNumber()}; }

AnalysisSelection AnalysisSelection::current(AnalysisScope scope) {
    return {scope, glo::IDHOZ.value(), glo::IDFERM.value(), AnalysisPeriod::current()};
}

}  // namespace vx::execution
