#include "database/database_choice.h"
#include "database/database_layouts.h"
#include "database/database_windows.h"
#include "dictionary/names.h"
#include "platform/classes/form_manager.h"
#include "platform/classes/select_file.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/dialogs.h"
#include "windows/run_window.h"

namespace vx::database {

namespace {

using namespace dct;
using classes::Level;

constexpr ui::Key kAllowEditing(ui::VKey::F10, ui::mod::Alt);

class UpdateConfigWindow : public classes::FormManager {
public:
    explicit UpdateConfigWindow(ui::Window& w) : classes::FormManager(w, *Relate::CONFIG) {
        setFirstField("?KON:KOD");
        addHistoryField("?KON:KOD", "KOD");
        addHistoryField("?KON:PATH", "PATH");
        addHistoryField("?KON:NAME", "NAME");
        setStatusTexts("Просмотреть запись", "Добавить запись", "Изменить запись");
        setViewLocks({"?KON:KOD", "?KON:PATH", "?KON:NAME"}, {"?LOOKUPFOLDER"});
        // Cancelling the dialog keeps the folder the entry had.
        FileLookup.Init("Полный путь к БД", "All Files", "*.*", true, false);
    }

    Level Init() override {
        if (Level level = classes::FormManager::Init(); level != Level::Benign) return level;
        FolderButton.Init(*this, "?LOOKUPFOLDER", KON->PATH, FileLookup);
        return Level::Benign;
    }

    void SetAlerts() override {
        classes::FormManager::SetAlerts();
        window().alert(kAllowEditing);
    }

    Level TakeWindowEvent() override {
        allowEditingOn(event());
        return classes::FormManager::TakeWindowEvent();
    }

    Level TakeFieldEvent() override {
        allowEditingOn(event());
        if (isField("?OK") && request() != rt::request::View) {
            window().update();
            KON->PATH = storedFolder(KON->PATH.str());
            window().display();
        }
        return classes::FormManager::TakeFieldEvent();
    }

    Level TakeCompleted() override {
        if (request() != rt::request::View && !fitsDiskNames(KON->PATH.str())) {
            ui::messageBox("Путь к базе данных", "Путь слишком длинный: сократите его.");
            window().select(id("?KON:PATH"));
            return Level::Benign;
        }
        return classes::FormManager::TakeCompleted();
    }

private:
    void allowEditingOn(const ui::Event& e) {
        if (e.kind != ui::EventKind::AlertKey || e.key != kAllowEditing || request() == rt::request::View) return;
        for (const char* name : {"?LOOKUPFOLDER", "?KON:PATH", "?KON:NAME"}) control(name).enable();
    }

    classes::SelectFileClass FileLookup;
    classes::FileButton FolderButton;
};

}  // namespace

void UpdateConfig() { windows::runWindow<UpdateConfigWindow>("UpdateConfig", layoutUpdateConfig); }

}  // namespace vx::database
