#pragma once
// The holdings list (?BROWSE:1, HOZ by id) and the list of the current holding's
// farms (?LIST, FERMA by holding and farm) with the columns of the window that
// shows them: their update procedures 1 Updatehoz and 2 Updateferma, with the
// insert, change and delete buttons beside them.

#include "dictionary/list_columns.h"
#include "platform/classes/locators.h"
#include "platform/classes/window_manager.h"

namespace vx::registry {

void initHoldingList(dct::TableBrowse& list, classes::WindowManager& window, classes::Locator& locator,
                     const dct::ColumnTable& columns);
void initFarmList(dct::TableBrowse& list, classes::WindowManager& window, classes::Locator& locator,
                  const dct::ColumnTable& columns);

}  // namespace vx::registry
