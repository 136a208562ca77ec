#include "planning/schemes/unplanned_animals.h"

#include <unordered_set>

#include "context/globals.h"
#include "dictionary/names.h"
#include "planning/schemes/open_table.h"

namespace vx::planning::schemes {

using namespace dct;

namespace {

// The passports that have a record of the measure. The measure-id key leaves out
// records without an id, so a zero id is looked for in record order.
std::unordered_set<Long> animalsWithMeasure(MeasureKind kind, const Decimal& measureId) {
    std::unordered_set<Long> ids;
    const MeasureBook& book = measureKind(kind).measures;
    store::Table* measures = openTable(book.file);
    if (!measures) return ids;
    store::ScanSpec spec;
    if (!measureId.isZero()) {
        spec.keyIndex = book.byMeasure;
        spec.equal = {Value(measureId)};
    }
    measures->scan(spec, [&](store::Position, const void* stored) {
        const MeasureRecordView r = book.viewOf(stored);
        if (r.measure == measureId) ids.insert(r.passport);
        return true;
    });
    return ids;
}

}  // namespace

std::vector<UnplannedAnimal> unplannedAnimals(MeasureKind kind, const Decimal& measureId, const Decimal& species) {
    std::vector<UnplannedAnimal> out;
    store::Table* passports = openTable(PASPORT);
    if (!passports) return out;
    const std::unordered_set<Long> measured = animalsWithMeasure(kind, measureId);
    store::ScanSpec byAddress;
    byAddress.keyIndex = PAS_K1.index;
    passports->scan(byAddress, [&](store::Position, const void* stored) {
        const auto& p = *static_cast<const PASPORTRecord*>(stored);
        glo::UNIK = p.ID;
        if (!p.PRICH.blank() || p.VIDANIM.value() != species || measured.contains(p.ID)) return true;
        out.push_back(
            {p.ID, p.IDANIM.padded(), p.VIDANIM.value(), p.IDPOL.value(), p.DATAROG, p.FIO.str(), p.ADRES.str()});
        return true;
    });
    return out;
}

}  // namespace vx::planning::schemes
