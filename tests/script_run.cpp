#include "tests/script_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vx::testing {

namespace fs = std::filesystem;

std::optional<ProgramRun> runProgram(std::string_view arguments, const fs::path& folder, std::string_view environment) {
    const char* binaries = std::getenv("VX_TEST_BINARY_DIR");
    if (!binaries) return std::nullopt;
    const fs::path output = folder / "transcript.txt";
    const std::string command = std::string(environment) + " VETRIX_CONFIG_DIR='" + folder.string() + "' '" +
                                (fs::path(binaries) / "vetrix").string() + "' " + std::string(arguments) + " >'" +
                                output.string() + "' 2>&1";
    const int raw = std::system(command.c_str());
    std::ostringstream text;
    text << std::ifstream(output).rdbuf();
    return ProgramRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
}

std::optional<ProgramRun> runScriptIn(const fs::path& script, const fs::path& folder, std::string_view options) {
    return runProgram("--headless --script '" + script.string() + "' --dir '" + folder.string() + "' " +
                          std::string(options),
                      folder);
}

std::optional<ProgramRun> runScript(const fs::path& script, std::string_view options) {
    const fs::path folder =
        fs::temp_directory_path() / ("vx-script-" + script.stem().string() + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::optional<ProgramRun> run = runScriptIn(script, folder, options);
    fs::remove_all(folder);
    return run;
}

}  // namespace vx::testing
