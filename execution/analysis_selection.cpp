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

std::vector<store::Condition> AnalysisPeriod::takes(int plannedDate, int doneDate) const {
    using store::Condition;
    if (first == 0 && last == 0) return {};
    auto holds = [&](int date) {
        std::vector<Condition> inside{Condition::notEqual(date, 0)};
        if (first != 0) inside.push_back(Condition::atLeast(date, first));
        if (last != 0) inside.push_back(Condition::atMost(date, last));
        return Condition::allOf(std::move(inside));
    };
    return {Condition::anyOf({holds(plannedDate), holds(doneDate)})};
}

store::ScanSpec AnalysisSelection::scanOf(const store::Table& records, int byPlace) const {
    const store::KeyDef& key = records.def().keys[byPlace];
    std::vector<Value> place{Value(holding)};
    if (scope == AnalysisScope::Farm) place.push_back(Value(farm));
    store::ScanSpec spec;
    if (holding.isZero() && !key.blanksKept) {
        for (std::size_t i = 0; i < place.size(); ++i)
            spec.where.push_back(store::Condition::equal(key.fields[i], place[i]));
        return spec;
    }
    spec.keyIndex = byPlace;
    spec.equal = std::move(place);
    return spec;
}

store::ScanSpec AnalysisSelection::countScanOf(const store::Table& records, int byPlace) const {
    store::ScanSpec spec = scanOf(records, byPlace);
    const store::FileDef& def = records.def();
    for (store::Condition& c : period.takes(def.fieldIndex("DATATASK"), def.fieldIndex("DATAVUP")))
        spec.where.push_back(std::move(c));
    return spec;
}

}  // namespace vx::execution
