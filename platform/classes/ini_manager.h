#pragma once
// The INI manager the windows keep their placement in ("vetrix.INI" in the
// program). The program installs it at start; without one nothing is kept.

#include "platform/runtime/ini_file.h"

namespace vx::classes {

// Installs the INI manager (nullptr: none) and returns the previous one.
rt::IniFile* useIniManager(rt::IniFile* ini);
rt::IniFile* iniManager();

}  // namespace vx::classes
