#include "planning/schemes/tests/schemes_fixture.h"

#include "database/database_choice.h"
#include "dictionary/names.h"
#include "planning/schemes/scheme_record.h"
#include "planning/schemes/schemes_windows.h"
#include "platform/core/dates.h"
#include "platform/core/picture.h"

namespace vx::planning::schemes::testing {

using namespace dct;
using vx::testing::all;
using vx::testing::append;

namespace {

std::string plain(const Decimal& d) { return d.plain(); }

template <class Record>
std::string shown(const Record& r) {
    return std::to_string(r.ID) + " " + r.IDTASK.value().fixed(1) + " " + plain(r.VIDANIM) + " " +
           formatDate(r.DATATASK) + " " + plain(r.GLPLAN) + "/" + plain(r.GOPLAN);
}

}  // namespace

planning::PlanSet set(int days, int heads, int treatments, int32_t fixed) {
    return {Decimal(days), Decimal(heads), Decimal(treatments), fixed};
}

void SchemesTest::SetUp() {
    RecordsTest::SetUp();
    database::chooseDatabaseFolder(dir.string() + "/");
    fixToday(makeDate(6, 10, 2025));
    h->addProcedure("BrwtaskVPO", BrwtaskVPO);
    h->addProcedure("BrwtaskVDI", BrwtaskVDI);
}

const char* SchemesTest::listOf(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? "BrwtaskVPO" : "BrwtaskVDI";
}

void SchemesTest::addScheme(MeasureKind kind, int tenths, int species, const std::string& name,
                            planning::PlanSet mainHerd, planning::PlanSet youngStock, Byte mark) {
    onThread([&] {
        const bool preventive = kind == MeasureKind::Preventive;
        append(preventive ? Access::BOLEZN : Access::TASK, preventive ? FileRefBase(BOLEZN) : FileRefBase(TASK), [&] {
            const SchemeFields f = schemeFields(kind);
            f.id = Decimal::fromMantissa(tenths, 1);
            f.mark = mark;
            f.name = name;
            f.species = species;
            f.days = mainHerd.days;
            f.heads = mainHerd.heads;
            f.treatments = mainHerd.treatments;
            f.fixedDate = mainHerd.fixedDate;
            f.youngDays = youngStock.days;
            f.youngHeads = youngStock.heads;
            f.youngTreatments = youngStock.treatments;
            f.youngFixedDate = youngStock.fixedDate;
        });
    });
}

void SchemesTest::addPassport(int id, int species, Byte osnmol, int32_t birth, Byte mark, const std::string& address,
                              const std::string& inventory, const std::string& disposal, const std::string& owner) {
    RecordsTest::addPassport(1, id % 3 + 1, id, inventory.empty() ? "ИН" + std::to_string(id) : inventory, [&] {
        PAS->ADRES = address;
        PAS->VIDANIM = species;
        PAS->IDPOL = 10 + species;
        PAS->OSNMOL = osnmol;
        PAS->DATAROG = birth;
        PAS->CHEK = mark;
        PAS->PRICH = disposal;
        PAS->FIO = owner;
    });
}

void SchemesTest::addMeasure(MeasureKind kind, int passport, int tenths) {
    const Decimal measure = Decimal::fromMantissa(tenths, 1);
    if (kind == MeasureKind::Preventive) addPreventive(0, 0, passport, [&] { VPO->IDTASK = measure; });
    else addDiagnostic(0, 0, passport, [&] { VDI->IDTASK = measure; });
}

Lines SchemesTest::measures(MeasureKind kind) {
    Lines out;
    onThread([&] {
        out = kind == MeasureKind::Preventive
                  ? all(Access::VPO, VPO, [] { return shown(*VPO); })
                  : all(Access::VDI, VDI, [] { return shown(*VDI) + " r" + std::to_string(VDI->REAKCIA); });
    });
    return out;
}

Lines SchemesTest::schemes(MeasureKind kind) {
    Lines out;
    onThread([&] {
        const bool preventive = kind == MeasureKind::Preventive;
        out =
            all(preventive ? Access::BOLEZN : Access::TASK, preventive ? FileRefBase(BOLEZN) : FileRefBase(TASK), [&] {
                const Scheme s = bufferedScheme(kind);
                const auto shownSet = [](const planning::PlanSet& p) {
                    return plain(p.days) + " " + plain(p.heads) + " " + plain(p.treatments) + " " +
                           formatDate(p.fixedDate);
                };
                return s.id.fixed(1) + " " + s.name + " " + plain(s.species) + " | " + shownSet(s.mainHerd) + " | " +
                       shownSet(s.youngStock);
            });
    });
    return out;
}

}  // namespace vx::planning::schemes::testing
