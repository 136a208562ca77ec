#include "database/tests/database_windows_fixture.h"

#include "database/database_windows.h"
#include "dictionary/names.h"

namespace vx::database::testing {

using namespace dct;
using vx::testing::all;
using vx::testing::append;

void DatabaseWindowsTest::SetUp() {
    WindowTest::SetUp();
    h->addProcedure("BrowseBD", BrowseBD);
}

void DatabaseWindowsTest::addGroup(int kod, const std::string& name, int chek) {
    onThread([&] {
        append(Access::RIDGEN, RIDGEN, [&] {
            RID->KOD = kod;
            RID->NAME = name;
            RID->CHEK = static_cast<Byte>(chek);
        });
    });
}

void DatabaseWindowsTest::addDatabase(int kod, const std::string& path, const std::string& name) {
    onThread([&] {
        append(Access::CONFIG, CONFIG, [&] {
            KON->KOD = kod;
            KON->PATH = path;
            KON->NAME = name;
        });
    });
}

Lines DatabaseWindowsTest::groups() {
    Lines out;
    onThread([&] {
        out = all(Access::RIDGEN, RIDGEN,
                  [] { return RID->KOD.value().plain() + " " + RID->NAME.str() + " " + std::to_string(RID->CHEK); });
    });
    return out;
}

Lines DatabaseWindowsTest::databases() {
    Lines out;
    onThread([&] {
        out = all(Access::CONFIG, CONFIG,
                  [] { return KON->KOD.value().plain() + " " + KON->PATH.str() + " " + KON->NAME.str(); });
    });
    return out;
}

}  // namespace vx::database::testing
