#pragma once
// The list of the INI sections that hold saved queries: section "__Dont_Touch_Me__",
// key "Sectors", the names separated by commas (a comma or backslash inside a name
// is escaped with a backslash).

#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/ini_file.h"

namespace vx::rt {

// The registered section names, in order of registration.
std::vector<std::string> registeredSections(const IniFile& ini);
// Adds the name unless it is there already (names compare case-insensitively).
bool registerSection(IniFile& ini, std::string_view section);
// Takes the name off the list and removes the section itself, in one write.
bool unregisterSection(IniFile& ini, std::string_view section);

}  // namespace vx::rt
