#pragma once
// The program as a user starts it: the start folder in the user's data folder
// (so the reference files live there, never in whatever folder the program was
// started from) and the check that there is a display to open the frame on.

#include <filesystem>
#include <optional>
#include <string>

namespace vx::frame {

// $XDG_DATA_HOME/vetrix, else ~/.local/share/vetrix; an absolute path.
std::filesystem::path userDataFolder();
// Creates the folder when missing and makes it current; the reason when it cannot.
std::optional<std::string> enterStartFolder(const std::filesystem::path& folder);
// What to tell the user when there is no display to show the frame on; nullopt when there is one.
std::optional<std::string> missingDisplay();

}  // namespace vx::frame
