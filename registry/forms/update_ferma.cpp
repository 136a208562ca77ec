#include "dictionary/names.h"
#include "platform/classes/form_manager.h"
#include "registry/forms/forms_layouts.h"
#include "registry/forms/forms_windows.h"
#include "windows/run_window.h"

namespace vx::registry {

namespace {

using namespace dct;
using classes::Level;

class UpdatefermaWindow : public classes::FormManager {
public:
    explicit UpdatefermaWindow(ui::Window& w) : classes::FormManager(w, *Relate::FERMA) {
        setFirstField("?FER:IDFERM");
        addFile(*Relate::HOZ);
        addHistoryField("?FER:IDFERM", "IDFERM");
        addHistoryField("?FER:IDHOZ", "IDHOZ");
        addHistoryField("?FER:NAME", "NAME");
        addHistoryField("?FER:PRIM", "PRIM");
        setStatusTexts("View Record", "Добавить запись", "Изменить запись");
        setViewLocks({"?FER:IDFERM", "?FER:IDHOZ", "?HOZ:NAME", "?FER:NAME"});
        requirePositive("?FER:IDFERM", "Укажите ID фермы (населённого пункта) больше нуля.");
    }

    // The holding's name follows the farm's holding number; the fetch clears
    // the holding record when there is no such holding.
    void Reset(bool force = false) override {
        if (!acceptingAll()) {
            HOZ->IDHOZ = FER->IDHOZ;
            Fetch(HOZ_K1);
        }
        classes::FormManager::Reset(force);
    }

    // A holding number typed in shows its holding at once.
    Level TakeAccepted() override {
        if (isField("?FER:IDHOZ") && !acceptingAll()) Reset();
        return classes::FormManager::TakeAccepted();
    }
};

}  // namespace

void Updateferma() { windows::runWindow<UpdatefermaWindow>("Updateferma", layoutUpdateferma); }

}  // namespace vx::registry
