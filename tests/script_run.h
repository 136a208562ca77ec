#pragma once
// Runs the program itself as a user would from a shell, most often on a headless
// script: `vetrix --headless --script FILE --dir FOLDER [options]`, the folder
// being its start folder and its configuration folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vx::testing {

struct ProgramRun {
    int status = -1;         // the program's exit status (-1: it did not exit normally)
    std::string transcript;  // what it printed, stdout and stderr
};

// Each answers nullopt when the program's folder is unknown (VX_TEST_BINARY_DIR is set by ctest).

// `arguments` as shell words; `folder` is its configuration folder and keeps what it
// printed; `environment` goes before the command ("env -u DISPLAY").
std::optional<ProgramRun> runProgram(std::string_view arguments, const std::filesystem::path& folder,
                                     std::string_view environment = {});

// A script in `folder`, which the caller has filled and keeps; `options` follow the
// script on the command line ("--today 10.06.2025").
std::optional<ProgramRun> runScriptIn(const std::filesystem::path& script, const std::filesystem::path& folder,
                                      std::string_view options = {});

// A script in a fresh folder of its own, removed afterwards.
std::optional<ProgramRun> runScript(const std::filesystem::path& script, std::string_view options = {});

}  // namespace vx::testing
