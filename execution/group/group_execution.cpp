#include "execution/group/group_execution.h"

#include "context/current.h"
#include "context/globals.h"
#include "planning/stage.h"

namespace vx::execution {

GroupScope GroupScope::current(MeasureKind kind) {
    return {glo::IDHOZ.value(), glo::IDFERM.value(), glo::chosenMeasure(planning::measureKind(kind).chosenMeasure).value()};
}

ExecutionValues ExecutionValues::current() {
    ExecutionValues v;
    v.statementNumber = glo::NVEDJPIS.str();
    v.statementDate = glo::DVEDOPIS;
    v.statementDoc = glo::PUTVPDOC.str();
    v.actNumber = glo::NAKT.str();
    v.actDate = glo::DAKT;
    v.actDoc = glo::PUTAKTDOC.str();
    v.expertiseNumber = glo::NEKSP.str();
    v.expertiseDate = glo::DEKSP;
    v.expertiseDoc = glo::PUTEXPDOC.str();
    return v;
}

bool isDone(DoneRule rule, const MeasureFields& r) {
    if (rule == DoneRule::Act) return !r.actNumber.blank() && r.actDate != 0;
    const bool expertise = r.expertiseNumber && !r.expertiseNumber->blank() && *r.expertiseDate != 0;
    return expertise || (!Decimal::fromText(r.actNumber.str()).isZero() && r.actDate != 0);
}

WriteTally executeMarked(MeasureKind kind, DoneRule rule, const GroupScope& scope, const ExecutionValues& v) {
    return rewriteFarmMeasures(kind, scope.holding, scope.farm, [&](const MeasureFields& r) {
        if (r.holding.value() != scope.holding || r.farm.value() != scope.farm || r.measure.value() != scope.measure ||
            r.mark != 1)
            return false;
        r.statementNumber = v.statementNumber;
        r.statementDate = v.statementDate;
        r.statementDoc = v.statementDoc;
        r.actNumber = v.actNumber;
        r.actDate = v.actDate;
        r.actDoc = v.actDoc;
        if (r.expertiseNumber) {
            *r.expertiseNumber = v.expertiseNumber;
            *r.expertiseDate = v.expertiseDate;
            *r.expertiseDoc = v.expertiseDoc;
        }
        if (isDone(rule, r) && planning::stageOf(r.measure.value()) != planning::Stage::None) {
            r.headsPlanned = 1;
            r.headsDone = 1;
            r.treatmentsPlanned = 1;
            r.treatmentsDone = 1;
        }
        return true;
    });
}

}  // namespace vx::execution
