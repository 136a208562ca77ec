#include "platform/qt/tests/managed_desktop.h"

#include <QMdiSubWindow>
#include <QStyle>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

extern char** environ;

namespace vx::qt::testing {

namespace {

bool onPath(const std::string& tool) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    for (std::size_t at = 0; at <= dirs.size();) {
        const std::size_t end = std::min(dirs.find(':', at), dirs.size());
        if (::access((dirs.substr(at, end - at) + "/" + tool).c_str(), X_OK) == 0) return true;
        at = end + 1;
    }
    return false;
}

// Starts `args` with its standard output to `output` (when >= 0) or /dev/null; 0 when it cannot.
pid_t spawn(std::vector<std::string> args, int output = -1) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (output >= 0) posix_spawn_file_actions_adddup2(&actions, output, 1);
    else posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? 0 : pid;
}

struct Started {
    pid_t screen = 0;
    pid_t manager = 0;
    std::filesystem::path ready;
    ~Started() {
        for (pid_t pid : {manager, screen}) {
            if (pid == 0) continue;
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
        std::error_code ec;
        std::filesystem::remove(ready, ec);
    }
};

std::optional<std::string> startOnce(Started& s) {
    for (const char* tool : {"Xvfb", "openbox", "xdotool"})
        if (!onPath(tool)) return std::string(tool) + " is not installed (scripts/setup.sh installs it)";
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) return std::string("no pipe for Xvfb's display number");
    // Xvfb picks a free display itself and writes its number to its output once it takes clients.
    s.screen = spawn({"Xvfb", "-displayfd", "1", "-screen", "0", "1600x1000x24", "-nolisten", "tcp"}, pipe[1]);
    ::close(pipe[1]);
    if (s.screen == 0) {
        ::close(pipe[0]);
        return std::string("Xvfb did not start");
    }
    std::string number;
    pollfd in{pipe[0], POLLIN, 0};
    while (number.find('\n') == std::string::npos && ::poll(&in, 1, 10000) > 0) {
        char buffer[16];
        const ssize_t got = ::read(pipe[0], buffer, sizeof buffer);
        if (got <= 0) break;
        number.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipe[0]);
    if (number.find('\n') == std::string::npos) return std::string("Xvfb gave no display number");
    number.resize(number.find('\n'));
    ::setenv("DISPLAY", (":" + number).c_str(), 1);
    // openbox runs its start-up command once it manages the screen.
    s.ready = std::filesystem::temp_directory_path() / ("vx-wm-ready-" + std::to_string(::getpid()));
    s.manager = spawn({"openbox", "--startup", "touch " + s.ready.string()});
    for (int waited = 0; s.manager != 0 && !std::filesystem::exists(s.ready) && waited < 100; ++waited) ::usleep(100000);
    if (!std::filesystem::exists(s.ready)) return std::string("openbox did not take the screen");
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ManagedDesktop::start() {
    static Started started;
    static const std::optional<std::string> why = startOnce(started);
    return why;
}

void ManagedDesktop::click(QPoint at) {
    const pid_t pid = spawn({"xdotool", "mousemove", std::to_string(at.x()), std::to_string(at.y()), "click",
                             "1"});
    if (pid != 0) ::waitpid(pid, nullptr, 0);
}

void ManagedDesktop::type(const std::string& text) {
    const pid_t pid = spawn({"xdotool", "type", "--delay", "40", text});
    if (pid != 0) ::waitpid(pid, nullptr, 0);
}

QPoint ManagedDesktop::titleBar(const QWidget& w) {
    if (qobject_cast<const QMdiSubWindow*>(&w)) {
        const int bar = w.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &w);
        return w.mapToGlobal(QPoint(w.width() / 3, bar / 2));
    }
    // Past the window system's icon at the left of its bar.
    const QRect outer = w.frameGeometry();
    return {outer.left() + 60, (outer.top() + w.geometry().top()) / 2};
}

}  // namespace vx::qt::testing
