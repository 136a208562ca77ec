#include "database/database_layouts.h"
#include "database/database_windows.h"
#include "dictionary/names.h"
#include "platform/classes/form_manager.h"
#include "platform/runtime/thread_state.h"

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

void UpdateBD() {
    ui::Window w(ui::WindowKind::MdiChild, "UpdateBD");
    layoutUpdateBD(w);
    UpdateBDWindow ThisWindow(w);
    *rt::GLOBALRESPONSE = ThisWindow.Run();
}

}  // namespace vx::database
