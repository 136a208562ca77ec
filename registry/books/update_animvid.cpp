#include "dictionary/names.h"
#include "platform/classes/form_manager.h"
#include "platform/runtime/thread_state.h"
#include "registry/books/books_layouts.h"
#include "registry/books/books_windows.h"

namespace vx::registry::books {

namespace {

using namespace dct;

class UpdateanimvidWindow : public classes::FormManager {
public:
    explicit UpdateanimvidWindow(ui::Window& w) : classes::FormManager(w, *Relate::ANIMVID) {
        setFirstField("?ANI:IDANIM");
        addHistoryField("?ANI:IDANIM", "IDANIM");
        addHistoryField("?ANI:NAME", "NAME");
        setStatusTexts("View Record", "Добавить запись", "Изменить запись");
        setViewLocks({"?ANI:IDANIM", "?ANI:NAME"});
    }
};

}  // namespace

void Updateanimvid() {
    ui::Window w(ui::WindowKind::MdiChild, "Updateanimvid");
    layoutUpdateanimvid(w);
    UpdateanimvidWindow ThisWindow(w);
    *rt::GLOBALRESPONSE = ThisWindow.Run();
}

}  // namespace vx::registry::books
