#include "registry/books/tests/books_fixture.h"

#include "database/database_choice.h"
#include "dictionary/names.h"
#include "registry/books/books_windows.h"

namespace vx::registry::books::testing {

using namespace dct;
using vx::testing::all;
using vx::testing::append;

namespace {

std::string plain(const Dec& d) { return d.value().plain(); }

}  // namespace

void BooksTest::SetUp() {
    RecordsTest::SetUp();
    std::filesystem::create_directories(dir / "a");
    std::filesystem::create_directories(dir / "b");
    h->addProcedure("Browseanimvid", Browseanimvid);
    h->addProcedure("BrowsePol", BrowsePol);
    chooseDatabase("a");
}

void BooksTest::chooseDatabase(const std::string& name) { database::chooseDatabaseFolder((dir / name).string()); }

void BooksTest::addPassport(int id, int species, int group) {
    RecordsTest::addPassport(0, 0, id, "", [&] {
        PAS->VIDANIM = species;
        PAS->IDPOL = group;
    });
}

void BooksTest::addCountRecord(int group) {
    onThread([&] {
        append(Access::PVSEGO, PVSEGO, [&] {
            PVS->IDTASK = 1;
            PVS->IDPOL = group;
        });
    });
}

Lines BooksTest::species() {
    Lines out;
    onThread([&] { out = all(Access::ANIMVID, ANIMVID, [] { return plain(ANI->IDANIM) + " " + ANI->NAME.str(); }); });
    return out;
}

Lines BooksTest::groups() {
    Lines out;
    onThread([&] {
        out = all(Access::POLVOZ, POLVOZ,
                  [] { return plain(POL->IDPOL) + " " + plain(POL->IDVIDANIM) + " " + POL->NAME.str(); });
    });
    return out;
}

Lines BooksTest::preventiveSchemes() {
    Lines out;
    onThread([&] { out = all(Access::BOLEZN, BOLEZN, [] { return plain(BOL->ID) + " " + plain(BOL->IDANIM); }); });
    return out;
}

Lines BooksTest::passports() {
    Lines out;
    onThread([&] {
        out = all(Access::PASPORT, PASPORT,
                  [] { return std::to_string(PAS->ID) + " " + plain(PAS->VIDANIM) + " " + plain(PAS->IDPOL); });
    });
    return out;
}

}  // namespace vx::registry::books::testing
