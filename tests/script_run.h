#pragma once
// Runs the program itself on a headless script, as a user would from a shell:
// `vetrix --headless --script FILE --dir FOLDER [options]` in a fresh folder of
// its own (with its own INI file), removed afterwards.

#include <optional>
#include <string>

namespace vx::testing {

struct ScriptRun {
    int status = -1;         // the program's exit status (-1: it did not exit normally)
    std::string transcript;  // what it printed, stdout and stderr
};

// nullopt when the program's folder is unknown (VX_TEST_BINARY_DIR is set by ctest).
// `options` follow the script on the command line ("--today 10.06.2025").
std::optional<ScriptRun> runScript(const std::string& script, const std::string& options = {});

}  // namespace vx::testing
