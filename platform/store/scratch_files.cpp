#include "platform/store/scratch_files.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>

namespace vx::store::detail {

namespace {

constexpr std::string_view kPrefix = ".vx-transaction-";

std::string stationName() {
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    return host;
}

bool processEnded(long pid) { return pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

// The process of a scratch file of this station ("<prefix><station>-<pid>-<n>", or its
// journal); 0 for anything else, a super-journal ("...-mj<hex>") too.
long ownProcessOf(const std::string& name, const std::string& station) {
    const std::string head = std::string(kPrefix) + station + "-";
    if (name.rfind(head, 0) != 0) return 0;
    std::string rest = name.substr(head.size());
    if (const std::string journal = "-journal"; rest.size() > journal.size() && rest.ends_with(journal))
        rest.resize(rest.size() - journal.size());
    const std::size_t dash = rest.find('-');
    if (dash == std::string::npos || dash == 0 || dash + 1 == rest.size()) return 0;
    for (std::size_t i = 0; i < rest.size(); ++i)
        if (i != dash && (rest[i] < '0' || rest[i] > '9')) return 0;
    return std::stol(rest.substr(0, dash));
}

}  // namespace

std::string scratchName() {
    static unsigned serial = 0;
    return std::string(kPrefix) + stationName() + "-" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
}

void removeStaleScratchFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    static std::mutex guard;
    static std::set<std::string> done;
    {
        const std::lock_guard lock(guard);
        if (!done.insert(folder).second) return;
    }
    const std::string station = stationName();
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (processEnded(ownProcessOf(name, station))) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

}  // namespace vx::store::detail
