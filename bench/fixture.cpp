#include "bench/fixture.h"

#include <unistd.h>

#include <string>

#include "database/database_choice.h"
#include "dictionary/names.h"
#include "platform/runtime/folders.h"
#include "platform/store/record_file.h"

namespace vx::bench {

using namespace dct;

Fixture::Fixture() {
    char pattern[] = "/tmp/vetrix-bench-XXXXXX";
    folder = mkdtemp(pattern);
    database::chooseDatabaseFolder(folder.string() + "/");
    rt::setCurrentFolder(folder.string());
}

Fixture::~Fixture() {
    store::commitPendingWrites();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

void fillPassport(int i) {
    const int farmIndex = (i - 1) / (passports() / (kHoldings * kFarmsPerHolding));
    PAS->ID = i;
    PAS->IDHOZ = farmIndex / kFarmsPerHolding + 1;
    PAS->IDFERMA = farmIndex % kFarmsPerHolding + 1;
    PAS->FIO = "Владелец " + std::to_string(i % 997);
    PAS->ADRES = "ул. Садовая, " + std::to_string(i % 211);
    PAS->IDANIM = "ИН" + std::to_string(100000 + i);
    PAS->KLICH = "Зорька";
    PAS->VIDANIM = i % 3 + 1;
    PAS->IDPOL = (i % 3 + 1) * 10 + i % 4;
    PAS->DATAROG = 80000 + i % 3000;
    PAS->OSNMOL = i % 5 == 0 ? 1 : 2;
    PAS->CHEK = 0;
}

void openFiles() {
    for (const AccessRef& file :
         {Access::HOZ, Access::FERMA, Access::ANIMVID, Access::POLVOZ, Access::PASPORT, Access::VPO, Access::VDI}) {
        file->open();
        file->useFile();
    }
}

void addBooksAndHoldings() {
    for (int species = 1; species <= 3; ++species) {
        ANI->IDANIM = species;
        ANI->NAME = "Вид " + std::to_string(species);
        Add(ANIMVID);
        for (int group = 0; group < 4; ++group) {
            POL->IDPOL = species * 10 + group;
            POL->IDVIDANIM = species;
            POL->NAME = "Группа " + std::to_string(group);
            Add(POLVOZ);
        }
    }
    for (int h = 1; h <= kHoldings; ++h) {
        HOZ->IDHOZ = h;
        HOZ->NAME = "Хозяйство " + std::to_string(h);
        HOZ->SEKTOR = 1;
        Add(HOZ);
        for (int f = 1; f <= kFarmsPerHolding; ++f) {
            FER->IDFERM = f;
            FER->IDHOZ = h;
            FER->NAME = "Ферма " + std::to_string(f);
            Add(FERMA);
        }
    }
    store::commitPendingWrites();
}

void addMeasures() {
    for (int i = 1; i <= passports(); ++i) {
        fillPassport(i);
        for (int m = 1; m <= kMeasuresPerPassport; ++m) {
            VPO->ID = i;
            VPO->IDHOZ = PAS->IDHOZ;
            VPO->IDFERMA = PAS->IDFERMA;
            VPO->IDANIM = PAS->IDANIM;
            VPO->VIDANIM = PAS->VIDANIM;
            VPO->IDPOL = PAS->IDPOL;
            VPO->IDTASK = Decimal::fromMantissa(100 + m, 1);
            VPO->GLPLAN = 1;
            VPO->GOPLAN = 1;
            VPO->DATATASK = PAS->DATAROG + 30 * m;
            Add(VPO);
        }
    }
    store::commitPendingWrites();
}

}  // namespace vx::bench
