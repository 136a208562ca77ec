#pragma once
// Database folders that cannot take a write: run a scenario in a child process of its
// own whose folder is a small or a read-only file system (a mount namespace of the
// child's own), and read back what it reported.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vx::testing {

enum class FolderLimit {
    Full,      // a file system without a free byte left
    ReadOnly,  // a file system mounted read-only
};

// What the user is told of a database in `folder` that cannot take a write under `limit`.
std::string limitCause(const std::filesystem::path& folder, FolderLimit limit);

// In a forked child: makes `folder` an empty file system, runs `prepare` (which may
// write there), then applies the limit and runs `body`. Gives back `body`'s text, or
// nullopt when the system does not allow the mount (the caller skips).
std::optional<std::string> withLimitedFolder(const std::filesystem::path& folder, FolderLimit limit,
                                             const std::function<void()>& prepare,
                                             const std::function<std::string()>& body);

}  // namespace vx::testing
