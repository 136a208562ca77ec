#include "planning/schemes/unplanned_animals.h"

#include <unordered_set>

#include "dictionary/names.h"
#include "platform/core/text.h"
#include "platform/store/record_file.h"

namespace vx::planning::schemes {

using namespace dct;

namespace {

store::Table* tableOf(FileRefBase file) {
    store::FileHandle& handle = file.handle();
    return handle.isOpen() ? &handle.database()->table() : nullptr;
}

// The passports that have a record of the measure, from the measure-id key.
template <class Record>
std::unordered_set<Long> animalsWithMeasure(store::Table& measures, int measureKey, const Decimal& measureId) {
    std::unordered_set<Long> ids;
    store::ScanSpec spec;
    spec.keyIndex = measureKey;
    spec.equal = {Value(measureId)};
    measures.scan(spec, [&](store::Position, const void* record) {
        ids.insert(static_cast<const Record*>(record)->ID);
        return true;
    });
    return ids;
}

}  // namespace

std::vector<UnplannedAnimal> unplannedAnimals(MeasureKind kind, const Decimal& measureId, const Decimal& species) {
    std::vector<UnplannedAnimal> out;
    store::Table* passports = tableOf(PASPORT);
    if (!passports) return out;
    std::unordered_set<Long> measured;
    if (kind == MeasureKind::Preventive) {
        if (store::Table* t = tableOf(VPO)) measured = animalsWithMeasure<VPORecord>(*t, VPO_K1.index, measureId);
    } else if (store::Table* t = tableOf(VDI)) {
        measured = animalsWithMeasure<VDIRecord>(*t, VDI_K1.index, measureId);
    }
    store::ScanSpec byAddress;
    byAddress.keyIndex = PAS_K1.index;
    passports->scan(byAddress, [&](store::Position, const void* record) {
        const auto& p = *static_cast<const PASPORTRecord*>(record);
        if (!clip(p.PRICH.str()).empty() || p.VIDANIM.value() != species || measured.contains(p.ID)) return true;
        out.push_back({p.ID, p.IDANIM.str(), p.VIDANIM.value(), p.IDPOL.value(), p.DATAROG, p.FIO.str(),
                       p.ADRES.str()});
        return true;
    });
    return out;
}

}  // namespace vx::planning::schemes
