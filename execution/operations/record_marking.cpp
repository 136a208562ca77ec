#include "execution/operations/record_marking.h"

#include "context/current.h"
#include "context/globals.h"

namespace vx::execution {

namespace {

Byte toggled(Byte mark) { return mark == 1 ? 0 : 1; }

bool inFarm(const MeasureFields& r, const MarkingContext& c) {
    return r.holding.value() == c.holding && r.farm.value() == c.farm;
}

bool inMeasure(const MeasureFields& r, const MarkingContext& c) {
    return inFarm(r, c) && r.measure.value() == c.measure;
}

bool sameNonEmpty(const Str& field, const std::string& wanted) { return !field.blank() && field == wanted; }

// The whole file's records marked 1, of which a scan reads the mark alone.
store::ScanSpec marked(MeasureKind kind) {
    const int mark = planning::measureKind(kind).measures.access->def().fieldIndex("CHEK");
    store::ScanSpec spec;
    spec.where = {store::Condition::equal(mark, 1)};
    spec.fields = {mark};
    return spec;
}

// Whether `marking` takes the record, and its new mark.
bool takes(Marking marking, ActRule actRule, const MeasureFields& r, const MarkingContext& c) {
    switch (marking) {
    case Marking::Row: return inMeasure(r, c) && Decimal(r.animal) == c.animal && (r.mark == 0 || r.mark == 1);
    case Marking::Measure: return inMeasure(r, c);
    case Marking::NotDone: return inMeasure(r, c) && r.headsDone.isZero() && r.treatmentsDone.isZero();
    case Marking::Done: return inMeasure(r, c) && r.headsDone.value().sign() > 0 && r.treatmentsDone.value().sign() > 0;
    case Marking::Statement: return inFarm(r, c) && sameNonEmpty(r.statementNumber, c.statement);
    case Marking::Act:
        return inFarm(r, c) && r.actNumber == c.act && (actRule == ActRule::Dated ? r.actDate != 0 : !r.actNumber.blank());
    case Marking::Expertise: return inFarm(r, c) && r.expertiseNumber && sameNonEmpty(*r.expertiseNumber, c.expertise);
    case Marking::ClearFarm: return inFarm(r, c) && r.mark == 1;
    }
    return false;
}

}  // namespace

MarkingContext MarkingContext::current(MeasureKind kind) {
    return {glo::IDHOZ.value(), glo::IDFERM.value(), glo::chosenMeasure(planning::measureKind(kind).chosenMeasure).value(), glo::UNIK.value(),
            glo::NVEDJPIS.str(), glo::NAKT.str(),    glo::NEKSP.str()};
}

WriteTally markRecords(MeasureKind kind, Marking marking, ActRule actRule, const MarkingContext& c) {
    return rewriteFarmMeasures(kind, c.holding, c.farm, [&](const MeasureFields& r) {
        if (!takes(marking, actRule, r, c)) return false;
        r.mark = marking == Marking::ClearFarm ? 0 : toggled(r.mark);
        return true;
    });
}

WriteTally markAnimal(const Decimal& holding, const Decimal& farm, const std::string& inventoryNumber) {
    return rewritePassports([&](dct::PASPORTRecord& p) {
        if (p.IDHOZ.value() != holding || p.IDFERMA.value() != farm || !(p.IDANIM == inventoryNumber)) return false;
        if (p.CHEK != 0 && p.CHEK != 1) return false;
        p.CHEK = toggled(p.CHEK);
        return true;
    });
}

int countMarked(MeasureKind kind) { return countSelectedMeasures(kind, marked(kind)); }

WriteTally deleteMarked(MeasureKind kind) { return deleteSelectedMeasures(kind, marked(kind)); }

WriteTally takeExecutionOff(MeasureKind kind, const Decimal& holding, const Decimal& farm) {
    return rewriteFarmMeasures(kind, holding, farm, [&](const MeasureFields& r) {
        if (r.holding.value() != holding || r.farm.value() != farm || r.mark != 1) return false;
        r.headsDone = 0;
        r.treatmentsDone = 0;
        r.actNumber.clear();
        r.actDate = 0;
        r.actDoc.clear();
        if (r.expertiseNumber) {
            r.expertiseNumber->clear();
            *r.expertiseDate = 0;
            r.expertiseDoc->clear();
        }
        return true;
    });
}

}  // namespace vx::execution
