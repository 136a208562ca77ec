#include "tests/script_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vx::testing {

std::optional<ScriptRun> runScript(const std::filesystem::path& script, const std::filesystem::path& folder,
                                   std::string_view options) {
    const char* binaries = std::getenv("VX_TEST_BINARY_DIR");
    if (!binaries) return std::nullopt;
    const std::filesystem::path output = folder / "transcript.txt";
    const std::string command = "VETRIX_CONFIG_DIR='" + folder.string() + "' '" +
                                (std::filesystem::path(binaries) / "vetrix").string() + "' --headless --script '" +
                                script.string() + "' --dir '" + folder.string() + "' " + std::string(options) +
                                " >'" + output.string() + "' 2>&1";
    const int raw = std::system(command.c_str());
    std::ostringstream text;
    text << std::ifstream(output).rdbuf();
    return ScriptRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
}

}  // namespace vx::testing
