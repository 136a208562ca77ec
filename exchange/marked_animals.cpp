#include "exchange/marked_animals.h"

#include <algorithm>
#include <deque>
#include <map>

#include "dictionary/names.h"
#include "platform/core/text.h"
#include "platform/store/record_file.h"

namespace vx::exchange {

using namespace dct;

namespace {

store::Table& tableOf(FileRefBase file) { return file.handle().database()->table(); }

template <class Record, class IdOf>
std::map<Decimal, std::string> firstNames(FileRefBase book, IdOf idOf) {
    std::map<Decimal, std::string> names;
    tableOf(book).scan({}, [&](store::Position, const void* stored) {
        const auto& r = *static_cast<const Record*>(stored);
        names.emplace(idOf(r), r.NAME.str());
        return true;
    });
    return names;
}

std::optional<std::string> nameOf(const std::map<Decimal, std::string>& names, const Decimal& id) {
    const auto found = names.find(id);
    return found == names.end() ? std::nullopt : std::optional<std::string>(found->second);
}

// Where an animal goes in the order: the key forms of its address and inventory number.
struct Place {
    std::string address, inventory;
};

}  // namespace

std::vector<ExportAnimal> markedAnimals(const Decimal& holding, const Decimal& farm) {
    const auto species = firstNames<ANIMVIDRecord>(ANIMVID, [](const ANIMVIDRecord& r) { return r.IDANIM.value(); });
    const auto groups = firstNames<POLVOZRecord>(POLVOZ, [](const POLVOZRecord& r) { return r.IDPOL.value(); });
    store::Table& passports = tableOf(PASPORT);
    const store::FileDef& def = passports.def();
    // The farm's passports in record order through its key, sorted here once: a scan in
    // the export's order would sort the rest of the farm again for every chunk it reads.
    // The key leaves out holding 0 with farm 0, which only the plain scan finds.
    store::ScanSpec spec;
    if (holding.isZero() && farm.isZero()) spec.terms = {{def.fieldIndex("IDHOZ")}, {def.fieldIndex("IDFERMA")}};
    else spec.keyIndex = PAS_K3.index;
    spec.equal = {Value(holding), Value(farm)};
    std::deque<ExportAnimal> found;  // a record is costly to copy: never moved while the scan adds
    std::vector<Place> places;
    passports.scan(spec, [&](store::Position, const void* stored) {
        const auto& p = *static_cast<const PASPORTRecord*>(stored);
        if (p.CHEK != 1 || !p.PRICH.blank()) return true;
        found.push_back({p, nameOf(species, p.VIDANIM.value()), nameOf(groups, p.IDPOL.value())});
        places.push_back({keyFold(p.ADRES.str()), keyFold(p.IDANIM.str())});
        return true;
    });
    // The order of their places, equal ones in record order; the records are copied once more.
    std::vector<std::size_t> order(found.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Place& x = places[a];
        const Place& y = places[b];
        return x.address != y.address ? x.address < y.address : x.inventory < y.inventory;
    });
    std::vector<ExportAnimal> animals;
    animals.reserve(found.size());
    for (std::size_t i : order) animals.push_back(std::move(found[i]));
    return animals;
}

}  // namespace vx::exchange
