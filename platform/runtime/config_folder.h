#pragma once
// Where the program keeps its configuration (the INI file): $VETRIX_CONFIG_DIR
// when set, else $XDG_CONFIG_HOME/vetrix, else ~/.config/vetrix. The folder is
// created by the first write into it.

#include <filesystem>
#include <string_view>

namespace vx::rt {

// An absolute path, so later changes of the current folder do not move it.
std::filesystem::path configFolder();
// The file of that name in configFolder().
std::filesystem::path configFile(std::string_view name);

}  // namespace vx::rt
