#include "platform/office/office_server.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/lang/XMultiComponentFactory.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

#include "platform/office/office_profile.h"
#include "platform/office/show_folder.h"
#include "platform/office/uno_text.h"
#include "platform/runtime/shutdown.h"
#include "platform/ui/desktop.h"

extern char** environ;

namespace vx::office {
namespace {

using rtl::OUString;

namespace fs = std::filesystem;
using css::uno::Reference;

// The installation whose UNO libraries the program is linked with.
const fs::path kProgramFolder = "/usr/lib/libreoffice/program";
constexpr auto kStartTimeout = std::chrono::seconds(60);

struct Server {
    fs::path program = kProgramFolder / "soffice";
    pid_t group = 0;
    fs::path profile;
    std::string pipe;
    Reference<css::uno::XComponentContext> context;
    Reference<css::frame::XDesktop2> desktop;
    bool shown = false;
    bool hooked = false;
};

Server& server() {
    static Server s;
    return s;
}

bool displayPresent() {
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}

Reference<css::uno::XComponentContext> localContext() {
    static Reference<css::uno::XComponentContext> context = [] {
        const OUString folder = "file://" + OUString::createFromAscii(kProgramFolder.c_str());
        // The office's own types (Desktop, sheets, ...) are not in the URE's list:
        // without them the bridge has no description of those interfaces and crashes.
        rtl::Bootstrap::set("URE_MORE_TYPES", folder + "/types/offapi.rdb");
        try {
            return cppu::defaultBootstrap_InitialComponentContext(folder + "/unorc");
        } catch (const cppu::BootstrapException& e) {
            throw OfficeUnavailable("не запускается среда UNO: " + utf8(e.getMessage()));
        }
    }();
    return context;
}

fs::path makeProfileFolder() {
    std::string pattern = (fs::temp_directory_path() / "vetrix-office-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw OfficeUnavailable("не удаётся создать папку профиля в " + fs::temp_directory_path().string());
    return pattern;
}

pid_t spawnServer(const fs::path& program, const fs::path& profile, const std::string& pipe) {
    std::vector<std::string> args{program.string(),
                                  "--invisible",
                                  "--nologo",
                                  "--norestore",
                                  "--nodefault",
                                  "--nolockcheck",
                                  "-env:UserInstallation=file://" + profile.string(),
                                  "--accept=pipe,name=" + pipe + ";urp;StarOffice.ComponentContext"};
    if (officeHeadless()) args.push_back("--headless");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    // None of the program's own files (databases among them) stays open in the office.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    // A group of its own: ending it reaches the office's helper processes too.
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (rc != 0) throw OfficeUnavailable("не запускается " + program.string());
    return pid;
}

bool ended(pid_t pid) {
    if (pid <= 0) return true;
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

// Waits for the new server to answer on its pipe.
Reference<css::uno::XComponentContext> connect(pid_t pid, const std::string& pipe) {
    const Reference<css::bridge::XUnoUrlResolver> resolver = css::bridge::UnoUrlResolver::create(localContext());
    const OUString url =
        "uno:pipe,name=" + OUString::createFromAscii(pipe.c_str()) + ";urp;StarOffice.ComponentContext";
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    for (;;) {
        try {
            return Reference<css::uno::XComponentContext>(resolver->resolve(url), css::uno::UNO_QUERY_THROW);
        } catch (const css::connection::NoConnectException&) {}
        if (ended(pid)) throw OfficeUnavailable("LibreOffice завершился при запуске");
        if (std::chrono::steady_clock::now() > deadline) throw OfficeUnavailable("LibreOffice не отвечает");
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void stopProcess(Server& s) {
    if (s.group <= 0) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    bool gone = ended(s.group);
    if (!gone) kill(-s.group, SIGTERM);
    while (!gone && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        gone = ended(s.group);
    }
    if (!gone) {
        kill(-s.group, SIGKILL);
        int status = 0;
        waitpid(s.group, &status, 0);
    }
    s.group = 0;
}

// The profile folder, and the pipe's socket, which the office leaves behind.
void removeProfile(Server& s) {
    std::error_code ec;
    if (!s.profile.empty()) fs::remove_all(s.profile, ec);
    if (!s.pipe.empty()) fs::remove(fs::path("/tmp") / ("OSL_PIPE_" + std::to_string(getuid()) + "_" + s.pipe), ec);
    s.profile.clear();
    s.pipe.clear();
}

bool documentsOpen(const Server& s) {
    try {
        const Reference<css::container::XEnumerationAccess> components = s.desktop->getComponents();
        return components.is() && components->createEnumeration()->hasMoreElements();
    } catch (const css::uno::Exception&) {
        return false;
    }
}

// Whether the server still takes calls: one that is ending has given up its bridge already.
bool answers(const Server& s) {
    try {
        s.desktop->getCurrentComponent();
        return true;
    } catch (const css::uno::RuntimeException&) {
        return false;
    }
}

void start(Server& s) {
    // The server's start takes seconds the first time.
    ui::BusyCursor busy;
    if (access(s.program.c_str(), X_OK) != 0)
        throw OfficeUnavailable("LibreOffice не установлен (нет программы " + s.program.string() + ")");
    s.profile = makeProfileFolder();
    if (!writeOfficeProfile(s.profile))
        throw OfficeUnavailable("не удаётся записать настройки LibreOffice в " + s.profile.string());
    s.pipe = "vetrix_office_" + std::to_string(getpid()) + "_" + s.profile.filename().string();
    s.group = spawnServer(s.program, s.profile, s.pipe);
    s.context = connect(s.group, s.pipe);
    s.desktop.set(s.context->getServiceManager()->createInstanceWithContext("com.sun.star.frame.Desktop", s.context),
                  css::uno::UNO_QUERY_THROW);
    if (!s.hooked) {
        // Registered once the bridge is up, so at exit it runs before the bridge is torn down.
        rt::addShutdownHook(endOfficeServer);
        std::atexit(endOfficeServer);
        s.hooked = true;
    }
}

}  // namespace

bool officeHasGui() {
    static const bool gui = [] {
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(kProgramFolder, ec)) {
            const std::string name = e.path().filename().string();
            if (name.starts_with("libvclplug_") && name.find("svp") == std::string::npos) return true;
        }
        return false;
    }();
    return gui;
}

bool officeHeadless() {
    static const bool headless = showFolder() || !displayPresent() || !officeHasGui();
    return headless;
}

void useOfficeProgram(const fs::path& soffice) {
    endOfficeServer();
    server().program = soffice;
}

Reference<css::frame::XDesktop2> officeDesktop() {
    Server& s = server();
    if (s.desktop.is() && !ended(s.group) && answers(s)) return s.desktop;
    // Never started, or the user has closed it since (the office ends with the last document
    // the user closes, and may still be ending).
    stopProcess(s);
    s.desktop.clear();
    s.context.clear();
    s.group = 0;
    s.shown = false;
    removeProfile(s);
    try {
        start(s);
    } catch (const css::uno::Exception& e) {
        endOfficeServer();
        throw OfficeUnavailable(utf8(e.Message));
    } catch (...) {
        endOfficeServer();
        throw;
    }
    return s.desktop;
}

Reference<css::uno::XComponentContext> officeContext() {
    officeDesktop();
    return server().context;
}

void noteDocumentShown() { server().shown = true; }

void endOfficeServer() {
    Server& s = server();
    if (s.desktop.is()) {
        // Documents in the user's view stay with the office, as if the user had opened them.
        if (s.shown && !officeHeadless() && documentsOpen(s)) {
            s.desktop.clear();
            s.context.clear();
            s.group = 0;
            s.profile.clear();
            s.pipe.clear();
            return;
        }
        try {
            s.desktop->terminate();
        } catch (const css::uno::Exception&) {}
        s.desktop.clear();
        s.context.clear();
    }
    stopProcess(s);
    removeProfile(s);
}

}  // namespace vx::office
