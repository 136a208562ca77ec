#include "registry/marking/tests/marking_fixture.h"

#include "database/database_choice.h"
#include "dictionary/names.h"

namespace vx::registry::marking::testing {

using namespace dct;

void MarkingTest::SetUp() {
    RecordsTest::SetUp();
    database::chooseDatabaseFolder(dir.string() + "/");
}

void MarkingTest::run(const std::function<void()>& body) {
    onThread([&] {
        const AccessRef files[] = {Access::HOZ,     Access::FERMA, Access::POLVOZ,
                                   Access::PASPORT, Access::VPO,   Access::VDI};
        for (AccessRef f : files) {
            f->open();
            ASSERT_EQ(f->useFile(), rt::Level::Benign);
        }
        body();
        for (AccessRef f : files) f->close();
    });
}

void MarkingTest::addHerd(const std::vector<Animal>& herd) {
    int id = 0;
    for (const Animal& a : herd) addPassport(a.holding, a.farm, ++id, a.number, [&] { fillPassport(a); });
}

void MarkingTest::addMeasures(const std::vector<Measure>& measures, bool diagnostic) {
    for (const Measure& m : measures) {
        if (diagnostic) addDiagnostic(0, 0, m.passport, [&] { fillMeasure(*VDI, VDI->DEKSP, m); });
        else addPreventive(0, 0, m.passport, [&] { fillMeasure(*VPO, VPO->AKTDATA, m); });
    }
}

}  // namespace vx::registry::marking::testing
