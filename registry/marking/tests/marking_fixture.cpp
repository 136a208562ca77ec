#include "registry/marking/tests/marking_fixture.h"

#include "database/database_choice.h"
#include "dictionary/names.h"

namespace vx::registry::marking::testing {

using namespace dct;

void MarkingTest::SetUp() {
    WindowTest::SetUp();
    database::chooseDatabaseFolder(dir.string() + "/");
}

void MarkingTest::run(const std::function<void()>& body) {
    onThread([&] {
        const AccessRef files[] = {Access::HOZ, Access::FERMA, Access::POLVOZ, Access::PASPORT, Access::VPO, Access::VDI};
        for (AccessRef f : files) {
            f->open();
            ASSERT_EQ(f->useFile(), rt::Level::Benign);
        }
        body();
        for (AccessRef f : files) f->close();
    });
}

void MarkingTest::addAnimals(const std::vector<Animal>& animals) {
    run([&] {
        int id = static_cast<int>(Records(PASPORT));
        for (const Animal& a : animals) {
            PAS->ID = ++id;
            fillPassport(a);
            ASSERT_TRUE(Add(PASPORT));
        }
    });
}

void MarkingTest::addMeasures(const std::vector<Measure>& measures, bool diagnostic) {
    run([&] {
        for (const Measure& m : measures) {
            if (diagnostic) {
                fillMeasure(*VDI, VDI->DEKSP, m);
                ASSERT_TRUE(Add(VDI));
            } else {
                fillMeasure(*VPO, VPO->AKTDATA, m);
                ASSERT_TRUE(Add(VPO));
            }
        }
    });
}

void MarkingTest::addGroup(int id, const std::string& name) {
    run([&] {
        POL->IDPOL = id;
        POL->NAME = name;
        ASSERT_TRUE(Add(POLVOZ));
    });
}

void MarkingTest::addHolding(int id, const std::string& note) {
    run([&] {
        HOZ->IDHOZ = id;
        HOZ->PRIM = note;
        ASSERT_TRUE(Add(HOZ));
    });
}

void MarkingTest::addFarm(int holding, int id, const std::string& note) {
    run([&] {
        FER->IDHOZ = holding;
        FER->IDFERM = id;
        FER->PRIM = note;
        ASSERT_TRUE(Add(FERMA));
    });
}

std::string MarkingTest::marks() {
    std::string out;
    run([&] {
        Set(PASPORT);
        while (Next(PASPORT)) out += std::to_string(PAS->CHEK);
    });
    return out;
}

void MarkingTest::setMarks(const std::string& digits) {
    run([&] {
        std::size_t n = 0;
        Set(PASPORT);
        while (Next(PASPORT) && n < digits.size()) {
            PAS->CHEK = static_cast<Byte>(digits[n++] - '0');
            ASSERT_TRUE(Put(PASPORT));
        }
    });
}

}  // namespace vx::registry::marking::testing
