#include "app/frame/user_start.h"

#include <cstdlib>
#include <system_error>

namespace vx::frame {

namespace {

bool isSet(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

}  // namespace

std::filesystem::path userDataFolder() {
    if (isSet("XDG_DATA_HOME")) {
        const std::filesystem::path xdg = std::getenv("XDG_DATA_HOME");
        // XDG base directories ignore a relative value.
        if (xdg.is_absolute()) return xdg / "vetrix";
    }
    const std::filesystem::path home = isSet("HOME") ? std::getenv("HOME") : "/";
    return home / ".local" / "share" / "vetrix";
}

std::optional<std::string> enterStartFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ec) std::filesystem::current_path(folder, ec);
    if (ec) return "cannot use the folder " + folder.string() + ": " + ec.message();
    return std::nullopt;
}

std::optional<std::string> missingDisplay() {
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) return std::nullopt;
    return "no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
           "Run it on a desktop, or under a virtual display:  xvfb-run -a vetrix\n"
           "Scripts run without any display:  vetrix --headless --script FILE";
}

}  // namespace vx::frame
