#include "registry/register/place_context.h"

#include "context/globals.h"
#include "dictionary/names.h"

namespace vx::registry {

using namespace dct;

void copyHoldingAndFarm(bool holdingShown, bool farmShown) {
    glo::IDHOZ = holdingShown ? HOZ->IDHOZ.value() : Decimal();
    glo::HOZNAME = holdingShown ? HOZ->NAME.str() : "";
    const bool farm = holdingShown && farmShown;
    glo::IDFERM = farm ? FER->IDFERM.value() : Decimal();
    glo::FERNAME = farm ? FER->NAME.str() : "";
}

}  // namespace vx::registry
