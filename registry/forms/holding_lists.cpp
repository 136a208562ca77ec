#include "registry/forms/holding_lists.h"

#include "dictionary/names.h"

namespace vx::registry {

using namespace dct;

void initHoldingList(TableBrowse& list, classes::WindowManager& window, classes::Locator& locator,
                     const ColumnTable& columns) {
    list.Init(window.as<ui::ListControl>("?BROWSE:1"), *Relate::HOZ, window);
    list.addSortOrder(HOZ_K1.index, &locator);
    list.addColumns(columns);
    list.setUpdateProcedure(1);
    list.setUpdateControls("?INSERT:3", "?CHANGE:3", "?DELETE:3");
}

void initFarmList(TableBrowse& list, classes::WindowManager& window, classes::Locator& locator,
                  const ColumnTable& columns) {
    list.Init(window.as<ui::ListControl>("?LIST"), *Relate::FERMA, window);
    list.addSortOrder(FER_K3.index, &locator);
    list.addRangeToParent(*Access::HOZ, {"IDHOZ"});
    list.addColumns(columns);
    list.setUpdateProcedure(2);
    list.setUpdateControls("?INSERT", "?CHANGE", "?DELETE");
}

}  // namespace vx::registry
