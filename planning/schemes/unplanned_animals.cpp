#include "planning/schemes/unplanned_animals.h"

#include <optional>
#include <unordered_set>

#include "context/current.h"
#include "dictionary/names.h"
#include "planning/schemes/open_table.h"

namespace vx::planning::schemes {

using namespace dct;

namespace {

// The passports that have a record of the measure, of which the scan reads the
// passport alone. The measure-id key leaves out records without an id, so a zero
// id is looked for in record order.
std::unordered_set<Long> animalsWithMeasure(MeasureKind kind, const Decimal& measureId) {
    std::unordered_set<Long> ids;
    const MeasureBook& book = measureKind(kind).measures;
    store::Table* measures = openTable(book.file);
    if (!measures) return ids;
    const store::FileDef& def = measures->def();
    store::ScanSpec spec;
    if (measureId.isZero()) {
        spec.where = {store::Condition::equal(def.fieldIndex("IDTASK"), measureId)};
    } else {
        spec.keyIndex = book.byMeasure;
        spec.equal = {Value(measureId)};
    }
    spec.fields = {def.fieldIndex("ID")};
    measures->scan(spec, [&](store::Position, const void* stored) {
        ids.insert(book.viewOf(stored).passport);
        return true;
    });
    return ids;
}

// The passport UNIK ends on: the last in address and inventory order.
void passLastPassport(store::Table& passports) {
    store::ScanSpec last;
    last.keyIndex = PAS_K1.index;
    last.backward = true;
    last.limit = 1;
    last.fields = {passports.def().fieldIndex("ID")};
    std::optional<Long> id;
    passports.scan(last, [&id](store::Position, const void* stored) {
        id = static_cast<const PASPORTRecord*>(stored)->ID;
        return false;
    });
    if (id) glo::leaveAnimal({.unik = Decimal(*id)});
}

}  // namespace

std::vector<UnplannedAnimal> unplannedAnimals(MeasureKind kind, const Decimal& measureId, const Decimal& species) {
    std::vector<UnplannedAnimal> out;
    store::Table* passports = openTable(PASPORT);
    if (!passports) return out;
    const std::unordered_set<Long> measured = animalsWithMeasure(kind, measureId);
    const store::FileDef& def = passports->def();
    store::ScanSpec present;
    present.keyIndex = PAS_K1.index;
    present.where = {store::Condition::equal(def.fieldIndex("PRICH"), ""),
                     store::Condition::equal(def.fieldIndex("VIDANIM"), species)};
    present.fields = def.fieldIndexes({"ID", "IDANIM", "VIDANIM", "IDPOL", "DATAROG", "FIO", "ADRES"});
    // The list goes through the whole file: reading it page by page and sorting what
    // it keeps costs less than fetching every passport from where the key points.
    present.atOnce = true;
    passports->scan(present, [&](store::Position, const void* stored) {
        const auto& p = *static_cast<const PASPORTRecord*>(stored);
        if (measured.contains(p.ID)) return true;
        out.push_back(
            {p.ID, p.IDANIM.padded(), p.VIDANIM.value(), p.IDPOL.value(), p.DATAROG, p.FIO.str(), p.ADRES.str()});
        return true;
    });
    passLastPassport(*passports);
    return out;
}

}  // namespace vx::planning::schemes
