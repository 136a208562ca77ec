#include "platform/classes/ini_manager.h"

#include <utility>

#include "platform/ui/dialogs.h"

namespace vx::classes {

namespace {
rt::IniFile* installed = nullptr;
}  // namespace

rt::IniFile* useIniManager(rt::IniFile* ini) {
    // The file dialogs keep their folders beside the windows' placements.
    ui::useDialogFolders(ini);
    return std::exchange(installed, ini);
}

rt::IniFile* iniManager() { return installed; }

}  // namespace vx::classes
