#pragma once
// The holdings list (?BROWSE:1, HOZ by id) and the list of the current holding's
// farms (?LIST, FERMA by holding and farm) with their ids and names, as the
// windows that start from them show them: their update procedures 1 Updatehoz
// and 2 Updateferma, with the insert, change and delete buttons beside them.

#include "platform/classes/browse_class.h"
#include "platform/classes/locators.h"
#include "platform/classes/window_manager.h"

namespace vx::registry {

void initHoldingList(classes::BrowseClass& list, classes::WindowManager& window, classes::Locator& locator);
void initFarmList(classes::BrowseClass& list, classes::WindowManager& window, classes::Locator& locator);

}  // namespace vx::registry
