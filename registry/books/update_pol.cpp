#include "dictionary/names.h"
#include "platform/classes/file_drop.h"
#include "platform/classes/form_manager.h"
#include "registry/books/books_layouts.h"
#include "registry/books/books_windows.h"
#include "windows/run_window.h"

namespace vx::registry::books {

namespace {

using namespace dct;
using classes::Level;

class UpdatePolWindow : public classes::FormManager {
public:
    explicit UpdatePolWindow(ui::Window& w) : classes::FormManager(w, *Relate::POLVOZ) {
        addFile(*Relate::ANIMVID);
        setFirstField("?ANI:NAME");
        addHistoryField("?POL:IDPOL", "IDPOL");
        addHistoryField("?POL:NAME", "NAME");
        setStatusTexts("View Record", "Добавить запись", "Изменить запись");
        setViewLocks({"?POL:IDPOL", "?POL:NAME"}, {"?ANI:NAME"});
    }

    Level Init() override {
        if (Level level = classes::FormManager::Init(); level != Level::Benign) return level;
        // Every species in file order: no key, no filter.
        FDCB1.Init(as<ui::DropControl>("?ANI:NAME"), *Access::ANIMVID, *this);
        addColumns(FDCB1, groupSpeciesColumns());
        FDCB1.addUpdateField(*Access::ANIMVID, "IDANIM", POL->IDVIDANIM);
        FDCB1.drop().change().setLineHeight(11);
        return Level::Benign;
    }

    // The combo shows the group's own species; it matches on the name alone.
    void Reset(bool force) override {
        if (!acceptingAll()) {
            ANI->IDANIM = POL->IDVIDANIM;
            Fetch(ANI_K1);
        }
        classes::FormManager::Reset(force);
    }

private:
    classes::FileDropComboClass FDCB1;
};

}  // namespace

void UpdatePol() { windows::runWindow<UpdatePolWindow>("UpdatePol", layoutUpdatePol); }

}  // namespace vx::registry::books
