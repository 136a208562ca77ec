#include "registry/register/place_context.h"

#include "context/current.h"
#include "dictionary/names.h"

namespace vx::registry {

using namespace dct;

void copyHoldingAndFarm(bool holdingShown, bool farmShown) {
    const bool farm = holdingShown && farmShown;
    glo::leavePlace({.holding = holdingShown ? HOZ->IDHOZ.value() : Decimal(),
                     .farm = farm ? FER->IDFERM.value() : Decimal(),
                     .holdingName = holdingShown ? HOZ->NAME.str() : "",
                     .farmName = farm ? FER->NAME.str() : ""});
}

}  // namespace vx::registry
