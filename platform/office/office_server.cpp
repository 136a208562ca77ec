#include "platform/office/office_server.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/lang/XMultiComponentFactory.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

#include "platform/office/show_folder.h"
#include "platform/runtime/shutdown.h"

extern char** environ;

namespace vx::office {
namespace {

using rtl::OUString;
using rtl::OUStringToOString;

namespace fs = std::filesystem;
using css::uno::Reference;

constexpr const char* kProgramFolder = "/usr/lib/libreoffice/program";
constexpr auto kStartTimeout = std::chrono::seconds(60);

struct Server {
    pid_t group = 0;
    fs::path profile;
    Reference<css::frame::XDesktop2> desktop;
    bool shown = false;
    bool hooked = false;
};

Server& server() {
    static Server s;
    return s;
}

bool hasGuiPlugin() {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(kProgramFolder, ec)) {
        const std::string name = e.path().filename().string();
        if (name.starts_with("libvclplug_") && name.find("svp") == std::string::npos) return true;
    }
    return false;
}

bool displayPresent() {
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}

Reference<css::uno::XComponentContext> localContext() {
    static Reference<css::uno::XComponentContext> context = [] {
        // The office's own types (Desktop, sheets, ...) are not in the URE's list:
        // without them the bridge has no description of those interfaces and crashes.
        rtl::Bootstrap::set("URE_MORE_TYPES",
                            "file://" + OUString::createFromAscii(kProgramFolder) + "/types/offapi.rdb");
        return cppu::defaultBootstrap_InitialComponentContext(
            "file://" + OUString::createFromAscii(kProgramFolder) + "/unorc");
    }();
    return context;
}

fs::path makeProfileFolder() {
    std::string pattern = (fs::temp_directory_path() / "vetrix-office-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a profile folder in " + fs::temp_directory_path().string());
    return pattern;
}

pid_t spawnServer(const fs::path& profile, const std::string& pipe) {
    std::vector<std::string> args{"soffice", "--invisible", "--nologo", "--norestore", "--nodefault",
                                  "--nolockcheck", "-env:UserInstallation=file://" + profile.string(),
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
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, "soffice", &actions, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (rc != 0) throw std::runtime_error("LibreOffice (soffice) is not installed");
    return pid;
}

// Waits for the new server to answer on its pipe.
Reference<css::uno::XComponentContext> connect(pid_t pid, const std::string& pipe) {
    const Reference<css::bridge::XUnoUrlResolver> resolver = css::bridge::UnoUrlResolver::create(localContext());
    const OUString url = "uno:pipe,name=" + OUString::createFromAscii(pipe.c_str()) + ";urp;StarOffice.ComponentContext";
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    for (;;) {
        try {
            return Reference<css::uno::XComponentContext>(resolver->resolve(url), css::uno::UNO_QUERY_THROW);
        } catch (const css::connection::NoConnectException&) {
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) throw std::runtime_error("LibreOffice ended at its start");
        if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("LibreOffice does not answer");
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

void stopProcess(Server& s) {
    if (s.group <= 0) return;
    kill(-s.group, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (waitpid(s.group, &status, WNOHANG) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    kill(-s.group, SIGKILL);
    waitpid(s.group, &status, WNOHANG);
    s.group = 0;
}

}  // namespace

bool officeHeadless() {
    static const bool headless = showFolder() || !displayPresent() || !hasGuiPlugin();
    return headless;
}

Reference<css::frame::XDesktop2> officeDesktop() {
    Server& s = server();
    if (s.desktop.is()) return s.desktop;
    if (!s.hooked) {
        rt::addShutdownHook(endOfficeServer);
        std::atexit(endOfficeServer);
        s.hooked = true;
    }
    s.profile = makeProfileFolder();
    const std::string pipe = "vetrix_office_" + std::to_string(getpid()) + "_" + s.profile.filename().string();
    try {
        s.group = spawnServer(s.profile, pipe);
        const Reference<css::uno::XComponentContext> remote = connect(s.group, pipe);
        s.desktop.set(remote->getServiceManager()->createInstanceWithContext("com.sun.star.frame.Desktop", remote),
                      css::uno::UNO_QUERY_THROW);
    } catch (const css::uno::Exception& e) {
        endOfficeServer();
        throw std::runtime_error(OUStringToOString(e.Message, RTL_TEXTENCODING_UTF8).getStr());
    } catch (...) {
        endOfficeServer();
        throw;
    }
    return s.desktop;
}

void noteDocumentShown() { server().shown = true; }

void forgetOfficeServer() {
    Server& s = server();
    s.desktop.clear();
    s.group = 0;
}

void endOfficeServer() {
    Server& s = server();
    // Documents in the user's view stay with the office, as if the user had opened them.
    if (s.shown && !officeHeadless()) {
        s.desktop.clear();
        return;
    }
    if (s.desktop.is()) {
        try {
            s.desktop->terminate();
        } catch (const css::uno::Exception&) {
        }
        s.desktop.clear();
    }
    stopProcess(s);
    if (!s.profile.empty()) {
        std::error_code ec;
        fs::remove_all(s.profile, ec);
        s.profile.clear();
    }
}

}  // namespace vx::office
