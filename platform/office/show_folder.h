#pragma once
// Test mode: with VETRIX_OFFICE_SHOW_DIR set, what would come into the user's view
// (a workbook, a document, a browser page) is written into that folder instead.

#include <filesystem>
#include <optional>

namespace vx::office {

std::optional<std::filesystem::path> showFolder();

}  // namespace vx::office
