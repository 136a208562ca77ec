#include "dictionary/names.h"
#include "exchange/exchange_layouts.h"
#include "exchange/exchange_windows.h"
#include "platform/classes/form_manager.h"
#include "platform/classes/select_file.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/dialogs.h"
#include "windows/run_window.h"

namespace vx::exchange {

namespace {

using namespace dct;
using classes::Level;

class UpDateExpWindow : public classes::FormManager {
public:
    explicit UpDateExpWindow(ui::Window& w) : classes::FormManager(w, *Relate::EXPORT) {
        setFirstField("?EXP:NAME");
        for (const char* field : {"NPP", "NAME", "FNAME", "VRASCH", "STROKA1", "STROKA2", "PRIM"})
            addHistoryField(std::string("?EXP:") + field, field);
        setStatusTexts("Просмотреть", "Добавить", "Изменить");
        setViewLocks({"?EXP:NPP", "?EXP:NAME", "?EXP:FNAME", "?EXP:VRASCH", "?EXP:STROKA1", "?EXP:STROKA2"},
                     {"?LOOKUPFILE"});
        // A cancelled dialog keeps the path the template has.
        FileLookup.Init("Файл шаблона для экспорта", "All Files", "*.*", false, false);
    }

    Level Init() override {
        if (Level level = classes::FormManager::Init(); level != Level::Benign) return level;
        TemplateButton.Init(*this, "?LOOKUPFILE", EXP->FNAME, FileLookup);
        return Level::Benign;
    }

    // The data rows start below the first row, so it is a row of the sheet.
    Level TakeCompleted() override {
        if (request() != rt::request::View) {
            window().update();
            if (EXP->STROKA1.value() < Decimal(1)) {
                ui::messageBox("Редактировать параметры экспорта", "Первая строка шаблона должна быть не меньше 1.");
                window().select(id("?EXP:STROKA1"));
                return Level::Benign;
            }
        }
        return classes::FormManager::TakeCompleted();
    }

private:
    classes::SelectFileClass FileLookup;
    classes::FileButton TemplateButton;
};

}  // namespace

void UpDateExp() { windows::runWindow<UpDateExpWindow>("UpDateExp", layoutUpDateExp); }

}  // namespace vx::exchange
