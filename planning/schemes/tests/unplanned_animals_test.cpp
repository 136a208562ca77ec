#include <gtest/gtest.h>

#include "dictionary/names.h"
#include "planning/schemes/tests/schemes_fixture.h"
#include "planning/schemes/unplanned_animals.h"

namespace vx::planning::schemes::testing {
namespace {

using namespace dct;

class UnplannedAnimalsTest : public SchemesTest, public ::testing::WithParamInterface<MeasureKind> {
protected:
    Lines unplanned(int tenths, int species) {
        Lines out;
        onThread([&] {
            const AccessRef files[] = {Access::PASPORT, Access::VPO, Access::VDI};
            for (AccessRef f : files) f->open(), f->useFile();
            for (const UnplannedAnimal& a : unplannedAnimals(GetParam(), Decimal::fromMantissa(tenths, 1), species))
                out.push_back(std::to_string(a.id) + " " + a.address + " " + a.inventory);
            for (AccessRef f : files) f->close();
        });
        return out;
    }
};

TEST_P(UnplannedAnimalsTest, ListsPresentAnimalsOfTheSpeciesWithoutTheMeasureByAddressAndInventory) {
    const MeasureKind other = GetParam() == MeasureKind::Preventive ? MeasureKind::Diagnostic : MeasureKind::Preventive;
    addPassport(1, 1, kMain, 0, 0, "Садовая", "20");
    addPassport(2, 1, kMain, 0, 0, "Лесная", "30");
    addPassport(3, 1, kMain, 0, 0, "Садовая", "10");
    addPassport(4, 1, kMain, 0, 0, "Абрикосовая", "1", "Убой");  // disposed of
    addPassport(5, 2, kMain, 0, 0, "Абрикосовая", "2");          // another species
    addPassport(6, 1, kYoung, 0, 0, "Абрикосовая", "3");         // has the measure
    addPassport(7, 1, kYoung, 0, 0, "Абрикосовая", "4");         // has another stage only
    addMeasure(GetParam(), 6, 150);
    addMeasure(GetParam(), 7, 151);
    addMeasure(other, 2, 150);  // the other kind's file does not count
    EXPECT_EQ(unplanned(150, 1), (Lines{"7 Абрикосовая 4", "2 Лесная 30", "3 Садовая 10", "1 Садовая 20"}));
    EXPECT_TRUE(unplanned(150, 3).empty());
}

INSTANTIATE_TEST_SUITE_P(BothKinds, UnplannedAnimalsTest,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic));

}  // namespace
}  // namespace vx::planning::schemes::testing
