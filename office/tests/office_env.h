#pragma once
// Every office test shows into one folder instead of the screen.

#include <filesystem>

namespace vx::office::testing {

const std::filesystem::path& shownFolder();

}  // namespace vx::office::testing
