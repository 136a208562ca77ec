#include "platform/office/desktop_opener.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "platform/office/show_folder.h"

extern char** environ;

namespace vx::office {

std::string openOnDesktop(const std::string& path, long seq) {
    if (const auto dir = showFolder()) {
        std::ofstream out(*dir / ("navigated-" + std::to_string(seq) + ".txt"), std::ios::binary);
        out << path;
        return out ? std::string() : "cannot write into " + dir->string();
    }
    // Detached through an intermediate child, so the opener is never left a zombie of ours.
    const pid_t child = fork();
    if (child < 0) return "fork failed";
    if (child == 0) {
        setsid();
        char* argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(path.c_str()), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t opener = 0;
        const int rc = posix_spawnp(&opener, "xdg-open", &actions, nullptr, argv, environ);
        _exit(rc == 0 ? 0 : 127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "xdg-open is not available";
    return {};
}

}  // namespace vx::office
