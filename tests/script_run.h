#pragma once
// Runs the program binary headless on a script, as a user's working session is
// replayed: the folder is its start folder and its configuration folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vx::testing {

struct ScriptRun {
    int status = -1;  // the exit status, -1 when the program did not exit
    std::string transcript;
};

// nullopt when the tests do not run through ctest (no binary folder is known).
std::optional<ScriptRun> runScript(const std::filesystem::path& script, const std::filesystem::path& folder,
                                   std::string_view options = {});

}  // namespace vx::testing
