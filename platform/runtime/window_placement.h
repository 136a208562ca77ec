#pragma once
// A window's placement in the INI file, in the section named after its procedure:
// "Maximize" and "Minimize" ("Yes"/"No"), "XPos", "YPos", "Width", "Height".

#include <optional>
#include <string_view>

#include "platform/runtime/ini_file.h"

namespace vx::rt {

struct WindowPlacement {
    bool maximized = false;
    bool minimized = false;
    // Empty: not saved (the window keeps its designed position or size).
    std::optional<long> x{}, y{}, width{}, height{};
};

// What the file holds for `procedure`; a missing or unreadable number stays empty.
WindowPlacement fetchPlacement(const IniFile& ini, std::string_view procedure);

// Writes the placement in one change. Keys that do not apply are removed: the
// position of a maximised window, the size of one that cannot be resized, and
// every empty field.
bool updatePlacement(IniFile& ini, std::string_view procedure, const WindowPlacement& placement, bool resizable);

}  // namespace vx::rt
