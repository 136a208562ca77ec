#include <optional>
#include <unordered_set>

#include "app/globals.h"
#include "dictionary/bulk_write.h"
#include "registry/marking/marking_scans.h"
#include "registry/marking/own_scan.h"

namespace vx::registry::marking {

using namespace dct;

namespace {

enum class Counted { Any, Done, NotStarted };

struct PlanRule {
    MeasureKind kind;
    Counted counted;
    bool markedWhenFound;  // else: marked when no such record exists
};

PlanRule ruleOf(int mode) {
    switch (mode) {
    case 11: return {MeasureKind::Diagnostic, Counted::Any, false};
    case 12: return {MeasureKind::Diagnostic, Counted::Done, false};
    case 13: return {MeasureKind::Diagnostic, Counted::NotStarted, true};
    case 14: return {MeasureKind::Preventive, Counted::Any, false};
    case 15: return {MeasureKind::Preventive, Counted::Done, false};
    case 16: return {MeasureKind::Preventive, Counted::NotStarted, true};
    case 17: return {MeasureKind::Diagnostic, Counted::Any, true};
    default: return {MeasureKind::Preventive, Counted::Any, true};
    }
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
store::ScanSpec measureRecords(const store::FileDef& def, KeyRef key, const PickedMeasure& picked) {
    store::ScanSpec spec;
    if (picked.species.isZero() && picked.measure.isZero())
        spec.terms = {{def.fieldIndex("VIDANIM")}, {def.fieldIndex("IDTASK")}};
    else spec.keyIndex = key.index;
    spec.equal = {Value(picked.species), Value(picked.measure)};
    return spec;
}

// The passports (PAS:ID) that have a counted record of the measure.
std::unordered_set<Long> passportsWithMeasure(BulkWrite& work, const PlanRule& rule, const PickedMeasure& picked) {
    std::unordered_set<Long> found;
    if (!work.ok()) return found;
    if (rule.kind == MeasureKind::Diagnostic) {
        readEach<VDIRecord>(work.table(Access::VDI), measureRecords(Access::VDI->def(), VDI_K8, picked), [&](const VDIRecord& r) {
            if (counts(rule.counted, r.DEKSP, r.GLVUP, r.GOVUP)) found.insert(r.ID);
        });
    } else {
        readEach<VPORecord>(work.table(Access::VPO), measureRecords(Access::VPO->def(), VPO_K8, picked), [&](const VPORecord& r) {
            if (counts(rule.counted, r.AKTDATA, r.GLVUP, r.GOVUP)) found.insert(r.ID);
        });
    }
    return found;
}

}  // namespace

bool isPlanStatusMode(int mode) { return mode >= 11 && mode <= 18; }

MeasureKind measureKindOf(int mode) { return ruleOf(mode).kind; }

bool markByPlanStatus(int mode, const PickedMeasure& picked) {
    const PlanRule rule = ruleOf(mode);
    // The measures are read under the same write lock as the marks are set.
    BulkWrite work(std::string(kMarkingCaption),
                   {Access::PASPORT, rule.kind == MeasureKind::Diagnostic ? Access::VDI : Access::VPO});
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
    if (last) glo::UNIK = *last;
    return true;
}

}  // namespace vx::registry::marking
