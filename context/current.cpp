#include "context/current.h"

#include <algorithm>
#include <array>
#include <utility>

#include "context/globals.h"

namespace vx::glo {

namespace {

template <class Field, class Value>
void leave(Field& global, const std::optional<Value>& value) {
    if (value) global = *value;
}

// The measure globals of ChosenMeasure, for the writer and the reader by field.
const std::array<std::pair<ChosenMeasureField, Dec*>, 3>& measureGlobals() {
    static const std::array<std::pair<ChosenMeasureField, Dec*>, 3> all = {{
        {&ChosenMeasure::preventive, &IDBOL},
        {&ChosenMeasure::scheme, &IDTASK},
        {&ChosenMeasure::card, &IDKARTIP},
    }};
    return all;
}

}  // namespace

void leavePlace(const Place& p) {
    leave(IDHOZ, p.holding);
    leave(IDFERM, p.farm);
    leave(HOZNAME, p.holdingName);
    leave(FERNAME, p.farmName);
}

void leaveAnimal(const Animal& a) {
    leave(IDANIM, a.number);
    leave(UNIK, a.unik);
    leave(IDVIDANIM, a.species);
    leave(IDPOL, a.group);
    leave(DATAROG, a.birthDate);
    leave(IDKORP, a.building);
    leave(IDGRUPPA, a.herdGroup);
    leave(IDNGRUPPA, a.herdGroupName);
}

void leaveChosenMeasure(const ChosenMeasure& m) {
    for (const auto& [field, global] : measureGlobals()) leave(*global, m.*field);
    leave(BOLNAME, m.preventiveName);
    leave(TASNAME, m.schemeName);
    leave(TASKBOL, m.caption);
}

void leaveChosenMeasure(ChosenMeasureField field, const Decimal& id) {
    ChosenMeasure m;
    m.*field = id;
    leaveChosenMeasure(m);
}

// Every field of the type is in the table.
const Dec& chosenMeasure(ChosenMeasureField field) {
    const auto& all = measureGlobals();
    return *std::find_if(all.begin(), all.end(), [field](const auto& g) { return g.first == field; })->second;
}

void leavePlanValues(const HerdPlan& mainHerd, const HerdPlan& youngStock) {
    DNEY = mainHerd.days;
    GLPLAN = mainHerd.heads;
    GOPLAN = mainHerd.treatments;
    PREDATA = mainHerd.fixedDate;
    DNEYM = youngStock.days;
    GLPLANM = youngStock.heads;
    GOPLANM = youngStock.treatments;
    PREDATAM = youngStock.fixedDate;
}

}  // namespace vx::glo
