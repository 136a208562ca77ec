#include <gtest/gtest.h>

#include "context/current.h"
#include "context/globals.h"

namespace vx::glo {
namespace {

// A writer sets the globals its call names and leaves the others as the last writer left them.
TEST(CurrentContext, AWriterSetsOnlyWhatItNames) {
    initialise();
    leavePlace({.holding = Decimal(7), .farm = Decimal(3), .holdingName = "Заречное", .farmName = "Луговая"});
    leavePlace({.farm = Decimal(4)});
    EXPECT_EQ(IDHOZ.value(), Decimal(7));
    EXPECT_EQ(IDFERM.value(), Decimal(4));
    EXPECT_EQ(HOZNAME.str(), "Заречное");
    EXPECT_EQ(FERNAME.str(), "Луговая");

    leaveAnimal({.number = "A-2", .species = Decimal(1), .birthDate = 80000});
    leaveAnimal({.unik = Decimal(12)});
    EXPECT_EQ(IDANIM.str(), "A-2");
    EXPECT_EQ(UNIK.value(), Decimal(12));
    EXPECT_EQ(IDVIDANIM.value(), Decimal(1));
    EXPECT_EQ(DATAROG, 80000);
    EXPECT_TRUE(IDPOL.isZero());
}

// Each measure kind's field reaches its own global, and its reader reads that one back.
TEST(CurrentContext, AChosenMeasureGoesToTheGlobalOfItsField) {
    const struct {
        ChosenMeasureField field;
        const Dec* global;
        Decimal id;
    } cases[] = {{&ChosenMeasure::preventive, &IDBOL, Decimal::fromMantissa(152, 1)},
                 {&ChosenMeasure::scheme, &IDTASK, Decimal::fromMantissa(152, 1)},
                 {&ChosenMeasure::card, &IDKARTIP, Decimal(3)}};
    for (const auto& c : cases) {
        initialise();
        leaveChosenMeasure(c.field, c.id);
        EXPECT_EQ(c.global->value(), c.id);
        EXPECT_EQ(&chosenMeasure(c.field), c.global);
        EXPECT_EQ(IDBOL.isZero() + IDTASK.isZero() + IDKARTIP.isZero(), 2);
    }
}

}  // namespace
}  // namespace vx::glo
