#include "tests/limited_folder.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <vector>

namespace vx::testing {

namespace {

constexpr int kNoMount = 77;

// Fills the file system of `folder` to its last byte.
void fill(const std::filesystem::path& folder) {
    const std::string path = (folder / "filler").string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::setvbuf(f, nullptr, _IONBF, 0);
    const std::vector<char> block(4096, 'x');
    for (std::size_t n = block.size(); n > 0; n /= 2)
        while (std::fwrite(block.data(), 1, n, f) == n) {}
    std::fclose(f);
}

bool applyLimit(const std::filesystem::path& folder, FolderLimit limit) {
    if (limit == FolderLimit::Full) {
        fill(folder);
        return true;
    }
    const std::string p = folder.string();
    return mount(p.c_str(), p.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
           mount(nullptr, p.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

std::string readAll(int fd) {
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<std::size_t>(n));
    return out;
}

}  // namespace

std::string limitCause(const std::filesystem::path& folder, FolderLimit limit) {
    if (limit == FolderLimit::Full) return "Диск заполнен, база данных " + folder.string() + " не записана. Ничего не изменено.";
    return "Папка базы данных недоступна для записи: " + folder.string() + ". Ничего не изменено.";
}

std::optional<std::string> withLimitedFolder(const std::filesystem::path& folder, FolderLimit limit,
                                             const std::function<void()>& prepare,
                                             const std::function<std::string()>& body) {
    std::filesystem::create_directories(folder);
    int out[2];
    if (pipe(out) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        close(out[0]);
        const std::string p = folder.string();
        if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", p.c_str(), "tmpfs", 0, "size=1m") != 0)
            _exit(kNoMount);
        prepare();
        if (!applyLimit(folder, limit)) _exit(kNoMount);
        const std::string text = body();
        const bool written = write(out[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        _exit(written ? 0 : 1);
    }
    close(out[1]);
    std::string text = readAll(out[0]);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNoMount) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child ended abnormally (status " + std::to_string(status) + ")";
    return text;
}

}  // namespace vx::testing
