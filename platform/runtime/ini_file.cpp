#include "platform/runtime/ini_file.h"

#include <unistd.h>
#include <fstream>
#include <sstream>
#include <system_error>

namespace vx::rt {
namespace {

namespace fs = std::filesystem;

// The file's text; nullopt when it exists but cannot be read. A missing file is "".
std::optional<std::string> load(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return ec ? std::nullopt : std::optional<std::string>("");
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(text).str();
}

bool store(const fs::path& path, const std::string& text) {
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    fs::path temp = path;
    temp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (!ec) return true;
    std::error_code ignored;  // the rename's error stands, whatever the clean-up does
    fs::remove(temp, ignored);
    return false;
}

}  // namespace

IniDocument IniFile::read() const { return IniDocument::parse(load(path_).value_or("")); }

std::optional<std::string> IniFile::get(std::string_view section, std::string_view key) const {
    return read().get(section, key);
}

std::vector<std::string> IniFile::sections() const { return read().sections(); }

std::vector<std::string> IniFile::keys(std::string_view section) const { return read().keys(section); }

bool IniFile::edit(const std::function<void(IniDocument&)>& change) {
    std::optional<std::string> before = load(path_);
    if (!before) return false;
    IniDocument doc = IniDocument::parse(*before);
    const std::string original = doc.text();
    change(doc);
    const std::string after = doc.text();
    return after == original || store(path_, after);
}

bool IniFile::put(std::string_view section, std::string_view key, std::string_view value) {
    return edit([&](IniDocument& doc) { doc.put(section, key, value); });
}

bool IniFile::removeKey(std::string_view section, std::string_view key) {
    return edit([&](IniDocument& doc) { doc.removeKey(section, key); });
}

bool IniFile::removeSection(std::string_view section) {
    return edit([&](IniDocument& doc) { doc.removeSection(section); });
}

}  // namespace vx::rt
