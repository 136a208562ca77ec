#include "dictionary/names.h"
#include "platform/classes/form_manager.h"
#include "registry/forms/forms_layouts.h"
#include "registry/forms/forms_windows.h"
#include "windows/run_window.h"

namespace vx::registry {

namespace {

using namespace dct;

class UpdatehozWindow : public classes::FormManager {
public:
    explicit UpdatehozWindow(ui::Window& w) : classes::FormManager(w, *Relate::HOZ) {
        setFirstField("?HOZ:IDHOZ");
        addHistoryField("?HOZ:IDHOZ", "IDHOZ");
        addHistoryField("?HOZ:NAME", "NAME");
        addHistoryField("?HOZ:SEKTOR", "SEKTOR");
        addHistoryField("?HOZ:PRIM", "PRIM");
        setStatusTexts("View Record", "Добавит запись", "Изменить запись");
        setViewLocks({"?HOZ:IDHOZ", "?HOZ:NAME"});
        requirePositive("?HOZ:IDHOZ", "Укажите iD хозяйства (поселения) больше нуля.");
    }
};

}  // namespace

void Updatehoz() { windows::runWindow<UpdatehozWindow>("Updatehoz", layoutUpdatehoz); }

}  // namespace vx::registry
