#include "platform/office/desktop_opener.h"

#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>

#include "platform/office/show_folder.h"

extern char** environ;

namespace vx::office {
namespace {

// A web address is handed on as it is; anything else is a file that must be there.
bool isAddress(const std::string& path) {
    const std::size_t colon = path.find("://");
    return colon != std::string::npos && colon > 0 && path.find('/') > colon;
}

}  // namespace

std::string openOnDesktop(const std::string& path, long seq) {
    if (!isAddress(path) && !std::filesystem::exists(path)) return "файл не найден";
    if (const auto dir = showFolder()) {
        std::ofstream out(*dir / ("navigated-" + std::to_string(seq) + ".txt"), std::ios::binary);
        out << path;
        return out ? std::string() : "не удаётся записать в папку " + dir->string();
    }
    // The shell starts the opener in the background and ends at once: the opener
    // is not our child, so it never waits on us and we never wait on it.
    // A file of a type no program of the desktop shows is told about rather than left unopened.
    const char* script =
        "command -v xdg-open >/dev/null || exit 127; "
        "if [ -e \"$1\" ] && command -v xdg-mime >/dev/null; then "
        "t=$(xdg-mime query filetype \"$1\" 2>/dev/null); "
        "[ -n \"$t\" ] && [ -z \"$(xdg-mime query default \"$t\" 2>/dev/null)\" ] && exit 3; fi; "
        "xdg-open \"$1\" >/dev/null 2>&1 </dev/null &";
    char* argv[] = {const_cast<char*>("sh"), const_cast<char*>("-c"),         const_cast<char*>(script),
                    const_cast<char*>("sh"), const_cast<char*>(path.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    pid_t shell = 0;
    const int rc = posix_spawn(&shell, "/bin/sh", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return "не удаётся запустить программу просмотра";
    int status = 0;
    waitpid(shell, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) return "нет программы для просмотра файлов этого типа";
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "программа xdg-open не найдена";
    return {};
}

}  // namespace vx::office
