#include "tests/script_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vx::testing {

namespace fs = std::filesystem;

std::optional<ScriptRun> runScript(const std::string& script, const std::string& options) {
    const char* binaries = std::getenv("VX_TEST_BINARY_DIR");
    if (!binaries) return std::nullopt;
    const fs::path folder =
        fs::temp_directory_path() / ("vx-script-" + fs::path(script).stem().string() + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path output = folder / "transcript.txt";
    const std::string command = "VETRIX_CONFIG_DIR='" + folder.string() + "' '" +
                                (fs::path(binaries) / "vetrix").string() + "' --headless --script '" + script +
                                "' --dir '" + folder.string() + "' " + options + " >'" + output.string() + "' 2>&1";
    const int raw = std::system(command.c_str());
    std::ostringstream text;
    text << std::ifstream(output).rdbuf();
    fs::remove_all(folder);
    return ScriptRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
}

}  // namespace vx::testing
