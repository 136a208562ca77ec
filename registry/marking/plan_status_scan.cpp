#include <optional>
#include <unordered_set>

#include "context/current.h"
#include "context/globals.h"
#include "dictionary/bulk_write.h"
#include "registry/marking/marking_modes.h"
#include "registry/marking/marking_scans.h"
#include "registry/marking/own_scan.h"

namespace vx::registry::marking {

using namespace dct;

namespace {

// Any mode outside 11 to 18 marks as mode 18 does.
const PlanStatusRule& ruleOf(int mode) {
    const MarkingModeRow* row = markingMode(mode);
    return row && row->planStatus ? *row->planStatus : *markingModes().back().planStatus;
}

// A measure record's status from its document date and its two done counts.
bool counts(Counted counted, Long document, const Decimal& doneMain, const Decimal& doneYoung) {
    const Decimal zero;
    switch (counted) {
    case Counted::Any: return true;
    case Counted::Done: return document > 0 && doneMain > zero && doneYoung > zero;
    case Counted::NotStarted: return document == 0 && doneMain == zero && doneYoung == zero;
    }
    return false;
}

// Reads only the records of the species and measure through the key (species,
// measure); both 0 is the key's blank entry, which the key leaves out.
store::ScanSpec measureRecords(const store::FileDef& def, int key, const PickedMeasure& picked) {
    store::ScanSpec spec;
    if (picked.species.isZero() && picked.measure.isZero())
        spec.terms = {{def.fieldIndex("VIDANIM")}, {def.fieldIndex("IDTASK")}};
    else spec.keyIndex = key;
    spec.equal = {Value(picked.species), Value(picked.measure)};
    return spec;
}

// The passports (PAS:ID) that have a counted record of the measure.
std::unordered_set<Long> passportsWithMeasure(BulkWrite& work, const PlanStatusRule& rule, const PickedMeasure& picked) {
    std::unordered_set<Long> found;
    if (!work.ok()) return found;
    const planning::MeasureBook& book = planning::measureKind(rule.kind).measures;
    const store::ScanSpec spec = measureRecords(book.access->def(), book.bySpeciesAndMeasure, picked);
    work.table(book.access).scan(spec, [&](store::Position, const void* stored) {
        const planning::MeasureRecordView r = book.viewOf(stored);
        if (counts(rule.counted, r.closing, r.doneMain, r.doneYoung)) found.insert(r.passport);
        return true;
    });
    return found;
}

}  // namespace

bool isPlanStatusMode(int mode) {
    const MarkingModeRow* row = markingMode(mode);
    return row && row->planStatus;
}

MeasureKind measureKindOf(int mode) { return ruleOf(mode).kind; }

bool markByPlanStatus(int mode, const PickedMeasure& picked) {
    const PlanStatusRule& rule = ruleOf(mode);
    // The measures are read under the same write lock as the marks are set.
    BulkWrite work(std::string(kMarkingCaption), {Access::PASPORT, planning::measureKind(rule.kind).measures.access});
    const std::unordered_set<Long> withMeasure = passportsWithMeasure(work, rule, picked);
    const Decimal holding = glo::IDHOZ, farm = glo::IDFERM;
    std::optional<Long> last;
    rewriteEach<PASPORTRecord>(
        work, Access::PASPORT,
        [&](const PASPORTRecord& p) {
            last = p.ID;
            if (!p.PRICH.blank() || p.CHEK == 1) return false;
            if (withMeasure.contains(p.ID) != rule.markedWhenFound) return false;
            return p.VIDANIM.value() == picked.species && p.IDFERMA.value() == farm && p.IDHOZ.value() == holding;
        },
        [](PASPORTRecord& p) { p.CHEK = 1; });
    if (!work.commit()) return false;
    // The current animal ends on the last passport read, once the marks are stored.
    if (last) glo::leaveAnimal({.unik = Decimal(*last)});
    return true;
}

}  // namespace vx::registry::marking
