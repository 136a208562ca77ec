#include "platform/office/show_folder.h"

#include <cstdlib>

namespace vx::office {

std::optional<std::filesystem::path> showFolder() {
    const char* dir = std::getenv("VETRIX_OFFICE_SHOW_DIR");
    if (!dir || !*dir) return std::nullopt;
    return std::filesystem::path(dir);
}

}  // namespace vx::office
