#include "dictionary/names.h"
#include "platform/classes/form_manager.h"
#include "registry/books/books_layouts.h"
#include "registry/books/books_windows.h"
#include "windows/run_window.h"

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

void Updateanimvid() { windows::runWindow<UpdateanimvidWindow>("Updateanimvid", layoutUpdateanimvid); }

}  // namespace vx::registry::books
