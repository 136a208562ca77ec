#include "registry/register/tests/marking_register_fixture.h"

#include "dictionary/names.h"

namespace vx::registry::testing {

using namespace dct;
using vx::testing::all;
using vx::testing::append;

void MarkingRegisterTest::addHerd(const std::vector<marking::testing::Animal>& herd) {
    int id = 0;
    for (const marking::testing::Animal& a : herd)
        addPassport(a.holding, a.farm, ++id, a.number, [&] { marking::testing::fillPassport(a); });
}

void MarkingRegisterTest::addSpecies(int id, const std::string& name) {
    onThread([&] {
        append(Access::ANIMVID, ANIMVID, [&] {
            ANI->IDANIM = id;
            ANI->NAME = name;
        });
    });
}

void MarkingRegisterTest::addGroup(int id, const std::string& name) {
    onThread([&] {
        append(Access::POLVOZ, POLVOZ, [&] {
            POL->IDPOL = id;
            POL->NAME = name;
        });
    });
}

void MarkingRegisterTest::addScheme(bool diagnostic, const std::string& measure, int species,
                                    const std::string& name) {
    const Decimal id = Decimal::parse(measure).value();
    onThread([&] {
        if (diagnostic) {
            append(Access::TASK, TASK, [&] {
                TAS->IDTASK = id;
                TAS->VIDANIM = species;
                TAS->NAME = name;
            });
        } else {
            append(Access::BOLEZN, BOLEZN, [&] {
                BOL->ID = id;
                BOL->IDANIM = species;
                BOL->NAME = name;
            });
        }
    });
}

std::string MarkingRegisterTest::marks() {
    std::string out;
    onThread([&] {
        for (const std::string& mark : all(Access::PASPORT, PASPORT, [] { return std::to_string(PAS->CHEK); }))
            out += mark;
    });
    return out;
}

void MarkingRegisterTest::setMarks(const std::string& digits) {
    onThread([&] {
        Access::PASPORT->open();
        ASSERT_EQ(Access::PASPORT->useFile(), rt::Level::Benign);
        std::size_t n = 0;
        Set(PASPORT);
        while (n < digits.size() && Next(PASPORT)) {
            PAS->CHEK = static_cast<Byte>(digits[n++] - '0');
            ASSERT_TRUE(Put(PASPORT));
        }
        Access::PASPORT->close();
    });
}

Lines MarkingRegisterTest::notes(bool farms) {
    Lines out;
    onThread([&] {
        out = farms ? all(Access::FERMA, FERMA, [] { return FER->PRIM.str(); })
                    : all(Access::HOZ, HOZ, [] { return HOZ->PRIM.str(); });
    });
    return out;
}

Lines MarkingRegisterTest::ages() {
    Lines out;
    onThread([&] {
        out = all(Access::PASPORT, PASPORT, [] {
            return PAS->VOZRASTG.value().plain() + " " + PAS->VOZRASTM.value().plain() + " " +
                   PAS->VOZRASTD.value().plain();
        });
    });
    return out;
}

}  // namespace vx::registry::testing
