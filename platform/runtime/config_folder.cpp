#include "platform/runtime/config_folder.h"

#include <pwd.h>
#include <unistd.h>
#include <cstdlib>

namespace vx::rt {
namespace {

namespace fs = std::filesystem;

const char* nonEmptyEnv(const char* name) {
    const char* v = std::getenv(name);
    return v && *v ? v : nullptr;
}

fs::path homeFolder() {
    if (const char* home = nonEmptyEnv("HOME")) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return fs::current_path();
}

}  // namespace

fs::path configFolder() {
    if (const char* own = nonEmptyEnv("VETRIX_CONFIG_DIR")) return fs::absolute(own);
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    if (const char* xdg = nonEmptyEnv("XDG_CONFIG_HOME"); xdg && fs::path(xdg).is_absolute())
        return fs::path(xdg) / "vetrix";
    return fs::absolute(homeFolder() / ".config" / "vetrix");
}

fs::path configFile(std::string_view name) { return configFolder() / fs::path(name); }

}  // namespace vx::rt
