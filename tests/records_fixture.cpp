#include "tests/records_fixture.h"

#include "context/globals.h"
#include "dictionary/names.h"

namespace vx::testing {

using namespace dct;

namespace {

// VPO and VDI share their links to the passport.
template <class Record>
void appendMeasure(AccessRef file, FileRef<Record> buffer, int holding, int farm, int animal,
                   const std::function<void()>& fill) {
    append(file, buffer, [&] {
        buffer->IDHOZ = holding;
        buffer->IDFERMA = farm;
        buffer->ID = animal;
        fill();
    });
}

}  // namespace

void RecordsTest::addHolding(int id, const std::string& name, const std::string& note) {
    onThread([&] {
        append(Access::HOZ, HOZ, [&] {
            HOZ->IDHOZ = id;
            HOZ->NAME = name;
            HOZ->PRIM = note;
        });
    });
}

void RecordsTest::addFarm(int holding, int id, const std::string& name, const std::string& note) {
    onThread([&] {
        append(Access::FERMA, FERMA, [&] {
            FER->IDHOZ = holding;
            FER->IDFERM = id;
            FER->NAME = name;
            FER->PRIM = note;
        });
    });
}

void RecordsTest::addSpecies(int id, const std::string& name) {
    onThread([&] {
        append(Access::ANIMVID, ANIMVID, [&] {
            ANI->IDANIM = id;
            ANI->NAME = name;
        });
    });
}

void RecordsTest::addGroup(int id, int species, const std::string& name) {
    onThread([&] {
        append(Access::POLVOZ, POLVOZ, [&] {
            POL->IDPOL = id;
            POL->IDVIDANIM = species;
            POL->NAME = name;
        });
    });
}

void RecordsTest::addScheme(bool diagnostic, const Decimal& measure, int species, const std::string& name) {
    onThread([&] {
        if (diagnostic) {
            append(Access::TASK, TASK, [&] {
                TAS->IDTASK = measure;
                TAS->VIDANIM = species;
                TAS->NAME = name;
            });
        } else {
            append(Access::BOLEZN, BOLEZN, [&] {
                BOL->ID = measure;
                BOL->IDANIM = species;
                BOL->NAME = name;
            });
        }
    });
}

void RecordsTest::addPassport(int holding, int farm, int id, const std::string& number,
                              const std::function<void()>& fill) {
    onThread([&] {
        append(Access::PASPORT, PASPORT, [&] {
            PAS->IDHOZ = holding;
            PAS->IDFERMA = farm;
            PAS->ID = id;
            PAS->IDANIM = number;
            if (fill) fill();
        });
    });
}

void RecordsTest::addPreventive(int holding, int farm, int animal, const std::function<void()>& fill) {
    onThread([&] { appendMeasure(Access::VPO, VPO, holding, farm, animal, fill); });
}

void RecordsTest::addDiagnostic(int holding, int farm, int animal, const std::function<void()>& fill) {
    onThread([&] { appendMeasure(Access::VDI, VDI, holding, farm, animal, fill); });
}

void RecordsTest::forgetDatabase() {
    for (Str* name : {&glo::PUT1, &glo::PUT2, &glo::PUT5, &glo::PUT6, &glo::PUT7, &glo::PUT8, &glo::PUT9}) *name = "";
}

std::string RecordsTest::marks() {
    std::string out;
    onThread([&] {
        for (const std::string& mark : all(Access::PASPORT, PASPORT, [] { return std::to_string(PAS->CHEK); }))
            out += mark;
    });
    return out;
}

void RecordsTest::setMarks(const std::string& digits) {
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

Lines RecordsTest::notes(bool farms) {
    Lines out;
    onThread([&] {
        out = farms ? all(Access::FERMA, FERMA, [] { return FER->PRIM.str(); })
                    : all(Access::HOZ, HOZ, [] { return HOZ->PRIM.str(); });
    });
    return out;
}

Lines RecordsTest::ages() {
    Lines out;
    onThread([&] {
        out = all(Access::PASPORT, PASPORT, [] {
            return PAS->VOZRASTG.value().plain() + " " + PAS->VOZRASTM.value().plain() + " " +
                   PAS->VOZRASTD.value().plain();
        });
    });
    return out;
}

}  // namespace vx::testing
