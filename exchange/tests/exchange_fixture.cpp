#include "exchange/tests/exchange_fixture.h"

#include "database/database_choice.h"
#include "dictionary/files_in_use.h"
#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "platform/core/picture.h"

namespace vx::exchange::testing {

using namespace dct;

ExportChoice sampleChoice(int variant, bool freeHeading, int64_t firstRow, const std::string& templatePath) {
    ExportChoice c;
    c.templatePath = templatePath;
    c.variant = variant;
    c.firstRow = firstRow;
    c.freeHeading = freeHeading;
    c.holding = 1;
    c.farm = 2;
    c.holdingName = "Заря";
    c.farmName = "Ферма №2";
    c.preventiveId = *Decimal::parse("5.1");
    c.preventiveName = "Сибирская язва";
    c.diagnosticId = 7;
    c.diagnosticName = "Туберкулёз";
    return c;
}

void ExchangeTest::SetUp() {
    RecordsTest::SetUp();
    database::chooseDatabaseFolder(dir.string() + "/");
    addHolding(1, "Заря");
    addHolding(2, "Восход");
    addFarm(1, 2, "Ферма №2");
    addFarm(1, 3, "Ферма №3");
    addFarm(2, 5, "Ферма №5");
    addSpecies(3, "КРС");
    addGroup(12, 3, "Коровы");
    const auto animal = [&](int farm, int id, const char* number, const char* owner, const char* address, int species,
                            int32_t born, Byte herd, Byte mark, const char* reason = "") {
        addPassport(1, farm, id, number, [=] {
            PAS->FIO = owner;
            PAS->ADRES = address;
            PAS->VIDANIM = species;
            PAS->IDPOL = 12;
            PAS->DATAROG = born;
            PAS->OSNMOL = herd;
            PAS->CHEK = mark;
            PAS->PRICH = reason;
            PAS->KLICH = "Зорька";
            PAS->VOZRASTG = 2;
            PAS->VOZRASTM = 7;
            PAS->VOZRASTD = 1;
        });
    };
    animal(2, 1, "000123", "=Иванов", "ул. Мира 1", 3, makeDate(3, 5, 2019), 2, 1);
    animal(2, 2, "", "Петров", "", 99, 0, 1, 1);
    animal(2, 3, "B1", "Козлов", "ул. Мира 3", 3, 0, 2, 0);
    animal(2, 4, "B2", "Козлов", "ул. Мира 3", 3, 0, 2, 1, "продан");
    animal(2, 5, "A7", "Сидоров", "Ул. Лесная 2", 3, makeDate(12, 1, 2020), 2, 1);
    animal(3, 6, "C1", "Орлов", "ул. Полевая", 3, 0, 2, 1);
}

void ExchangeTest::withFiles(const std::function<void()>& body) {
    onThread([&] {
        const FilesInUse files{Access::PASPORT, Access::ANIMVID, Access::POLVOZ, Access::FERMA};
        ASSERT_TRUE(files.ready());
        body();
    });
}

void ExchangeTest::addTemplate(int number, const std::string& name, const std::string& file, int variant,
                               int firstRow, int lastRow) {
    onThread([&] {
        vx::testing::append(Access::EXPORT, EXPORT, [&] {
            EXP->NPP = number;
            EXP->NAME = name;
            EXP->FNAME = file;
            EXP->VRASCH = variant;
            EXP->STROKA1 = firstRow;
            EXP->STROKA2 = lastRow;
        });
    });
}

void ExchangeTest::deletePassport(int id) {
    onThread([&] {
        Access::PASPORT->open();
        ASSERT_EQ(Access::PASPORT->useFile(), rt::Level::Benign);
        Set(PASPORT);
        while (Next(PASPORT))
            if (PAS->ID == id) {
                ASSERT_TRUE(Delete(PASPORT));
            }
        Access::PASPORT->close();
    });
}

Lines ExchangeTest::passports() {
    Lines out;
    onThread([&] {
        out = vx::testing::all(Access::PASPORT, PASPORT, [] {
            return std::to_string(PAS->ID) + "|" + PAS->IDHOZ.value().plain() + "|" + PAS->IDFERMA.value().plain() +
                   "|" + PAS->IDANIM.str() + "|" + formatDate(PAS->DATAROG) + "|" + PAS->VIDANIM.value().plain() + "|" +
                   PAS->IDPOL.value().plain() + "|" + PAS->FIO.str() + "|" + PAS->ADRES.str() + "|" +
                   std::to_string(PAS->OSNMOL);
        });
    });
    return out;
}

}  // namespace vx::exchange::testing
