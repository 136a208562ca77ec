#pragma once
// Runs the program itself on a headless script, as a user would from a shell:
// `vetrix --headless --script FILE --dir FOLDER [options]`, the folder being its
// start folder and its configuration folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vx::testing {

struct ScriptRun {
    int status = -1;         // the program's exit status (-1: it did not exit normally)
    std::string transcript;  // what it printed, stdout and stderr
};

// nullopt when the program's folder is unknown (VX_TEST_BINARY_DIR is set by ctest).
// `options` follow the script on the command line ("--today 10.06.2025").

// In a fresh folder of its own, removed afterwards.
std::optional<ScriptRun> runScript(const std::filesystem::path& script, std::string_view options = {});

// In `folder`, which the caller has filled and keeps.
std::optional<ScriptRun> runScriptIn(const std::filesystem::path& script, const std::filesystem::path& folder,
                                     std::string_view options = {});

}  // namespace vx::testing
