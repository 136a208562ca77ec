#include "exchange/marked_animals.h"

#include <map>

#include "dictionary/names.h"
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

}  // namespace

std::vector<ExportAnimal> markedAnimals(const Decimal& holding, const Decimal& farm) {
    const auto species = firstNames<ANIMVIDRecord>(ANIMVID, [](const ANIMVIDRecord& r) { return r.IDANIM.value(); });
    const auto groups = firstNames<POLVOZRecord>(POLVOZ, [](const POLVOZRecord& r) { return r.IDPOL.value(); });
    store::Table& passports = tableOf(PASPORT);
    const store::FileDef& def = passports.def();
    store::ScanSpec spec;
    spec.terms = {{def.fieldIndex("IDHOZ")},
                  {def.fieldIndex("IDFERMA")},
                  {def.fieldIndex("ADRES")},
                  {def.fieldIndex("IDANIM")}};
    spec.equal = {Value(holding), Value(farm)};
    std::vector<ExportAnimal> animals;
    passports.scan(spec, [&](store::Position, const void* stored) {
        const auto& p = *static_cast<const PASPORTRecord*>(stored);
        if (p.CHEK == 1 && p.PRICH.blank())
            animals.push_back({p, nameOf(species, p.VIDANIM.value()), nameOf(groups, p.IDPOL.value())});
        return true;
    });
    return animals;
}

}  // namespace vx::exchange
