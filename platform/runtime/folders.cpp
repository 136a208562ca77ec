#include "platform/runtime/folders.h"

#include <filesystem>
#include <system_error>

namespace vx::rt {

namespace fs = std::filesystem;

std::string currentFolder() {
    std::error_code ec;
    fs::path here = fs::current_path(ec);
    return ec ? std::string() : here.string();
}

bool setCurrentFolder(std::string_view folder) {
    if (folder.empty()) return false;
    std::error_code ec;
    fs::current_path(fs::path(folder), ec);
    return !ec;
}

std::string shortFolderForm(std::string_view folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
    return std::string(folder);
}

std::string withTrailingSeparator(std::string_view folder) {
    if (folder.empty()) return {};
    std::string out = shortFolderForm(folder);
    if (out.back() != '/') out += '/';
    return out;
}

std::string joinPath(std::string_view folder, std::string_view name) {
    while (!name.empty() && name.front() == '/' && !folder.empty()) name.remove_prefix(1);
    return withTrailingSeparator(folder) + std::string(name);
}

}  // namespace vx::rt
