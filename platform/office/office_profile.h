#pragma once
// The settings the program's own office starts with, written into its fresh
// profile folder before the first start.

#include <filesystem>

namespace vx::office {

// The office has no start window: when the user closes the last document it
// shows, the office ends (or, while the program still uses it, stays out of view)
// instead of leaving its start window on the screen. False when it cannot be written.
bool writeOfficeProfile(const std::filesystem::path& profile);

}  // namespace vx::office
