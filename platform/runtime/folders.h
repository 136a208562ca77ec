#pragma once
// The process-wide current folder, and path helpers in the form the windows keep
// paths in (UTF-8 text, "/" as separator).

#include <string>
#include <string_view>

namespace vx::rt {

// The current folder; "" when it cannot be determined (for example, it was removed).
std::string currentFolder();
// Makes `folder` current; false (and nothing changes) when it cannot.
bool setCurrentFolder(std::string_view folder);
// The short form of a folder: on this system the path itself, without a trailing separator ("/" stays "/").
std::string shortFolderForm(std::string_view folder);
// The folder with exactly one trailing separator ("" stays "").
std::string withTrailingSeparator(std::string_view folder);
// folder + name with one separator between them; an empty folder gives the name.
std::string joinPath(std::string_view folder, std::string_view name);

}  // namespace vx::rt
