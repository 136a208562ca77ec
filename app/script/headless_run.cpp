#include "app/script/headless_run.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/program.h"
#include "app/script/session.h"
#include "platform/core/dates.h"

namespace vx::script {

namespace {

constexpr int32_t kNineOClock = 9 * 60 * 60 * 100;

std::optional<int32_t> dayNumber(std::string_view ddmmyyyy) {
    if (ddmmyyyy.size() != 10 || ddmmyyyy[2] != '.' || ddmmyyyy[5] != '.') return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 3, 6}, lengths[3] = {2, 2, 4};
    for (int p = 0; p < 3; ++p)
        for (std::size_t i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (ddmmyyyy[i] < '0' || ddmmyyyy[i] > '9') return std::nullopt;
            parts[p] = parts[p] * 10 + (ddmmyyyy[i] - '0');
        }
    const int32_t day = makeDate(parts[1], parts[0], parts[2]);
    return day ? std::optional<int32_t>(day) : std::nullopt;
}

// The script's text, or nullopt with the reason it cannot be read in `why`.
std::optional<std::string> readFile(const std::string& path, std::string& why) {
    std::error_code ec;
    // A folder opens as a stream that reads nothing, which would pass as an empty script.
    if (std::filesystem::is_directory(path, ec)) {
        why = "it is a folder";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = std::strerror(errno);
        return std::nullopt;
    }
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        why = std::strerror(errno);
        return std::nullopt;
    }
    return text;
}

// The frame as the user's program opens it; none when the table has no "Main".
std::function<void()> frameOf(const windows::WindowTable& windows) {
    const windows::Window* frame = windows.find("Main");
    return frame ? frame->procedure : std::function<void()>();
}

}  // namespace

std::variant<std::monostate, HeadlessOptions, std::string> parseCommandLine(int argc, const char* const* argv) {
    bool headless = false;
    std::optional<std::string> script;
    HeadlessOptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--headless") {
            headless = true;
        } else if (a == "--script" && hasValue) {
            script = argv[++i];
        } else if (a == "--dir" && hasValue) {
            o.folder = argv[++i];
        } else if (a == "--today" && hasValue) {
            o.today = dayNumber(argv[++i]);
            if (!o.today) return "--today takes a date as dd.mm.yyyy, not " + std::string(argv[i]);
        } else {
            return "unknown or incomplete option " + a;
        }
    }
    if (!headless && !script && !o.folder && !o.today) return std::monostate{};
    if (!headless || !script)
        return std::string("--script, --dir and --today go with --headless, and it needs --script");
    o.script = *script;
    return o;
}

int runHeadless(const HeadlessOptions& options, const windows::WindowTable& windows, std::ostream& out,
                std::ostream& err) {
    std::string why;
    const std::optional<std::string> text = readFile(options.script, why);
    if (!text) {
        err << "cannot read the script " << options.script << ": " << why << "\n";
        return 2;
    }
    auto parsed = parseScript(*text);
    if (const ParseError* e = std::get_if<ParseError>(&parsed)) {
        err << options.script << ":" << e->line << ": " << e->reason << "\n";
        return 2;
    }
    if (options.folder) {
        std::error_code ec;
        std::filesystem::current_path(*options.folder, ec);
        if (ec) {
            err << "cannot enter the folder " << *options.folder << ": " << ec.message() << "\n";
            return 2;
        }
    }
    if (options.today) clock::fix(*options.today, kNineOClock);
    app::processAttach();
    int status = 0;
    {
        Session session(windows, frameOf(windows));
        status = session.run(std::get<Script>(parsed), out);
    }
    app::processDetach();
    return status;
}

}  // namespace vx::script
