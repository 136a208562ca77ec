#include "platform/classes/ini_manager.h"

#include <utility>

namespace vx::classes {

namespace {
rt::IniFile* installed = nullptr;
}  // namespace

rt::IniFile* useIniManager(rt::IniFile* ini) { return std::exchange(installed, ini); }

rt::IniFile* iniManager() { return installed; }

}  // namespace vx::classes
