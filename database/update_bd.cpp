#include "database/database_layouts.h"
#include "database/database_windows.h"
#include "dictionary/names.h"
#include "platform/classes/form_manager.h"
#include "windows/run_window.h"

namespace vx::database {

namespace {

using namespace dct;

class UpdateBDWindow : public classes::FormManager {
public:
    explicit UpdateBDWindow(ui::Window& w) : classes::FormManager(w, *Relate::RIDGEN) {
        setFirstField("?RID:KOD");
        addHistoryField("?RID:KOD", "KOD");
        addHistoryField("?RID:NAME", "NAME");
        addHistoryField("?RID:CHEK", "CHEK");
        setStatusTexts("View Record", "Добавить запись", "Изменить запись");
        setViewLocks({"?RID:KOD", "?RID:NAME"});
    }
};

}  // namespace

void UpdateBD() { windows::runWindow<UpdateBDWindow>("UpdateBD", layoutUpdateBD); }

}  // namespace vx::database
