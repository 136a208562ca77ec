#pragma once
// An INI file with private-profile behaviour: every call reads the file as it is
// on disk, and every change reaches the file before the call returns (written to
// a temporary file beside it, then renamed over it, so the file is never half written).
// A missing file reads as empty and is created by the first change.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/ini_document.h"

namespace vx::rt {

class IniFile {
public:
    explicit IniFile(std::filesystem::path file) : path_(std::move(file)) {}

    const std::filesystem::path& path() const { return path_; }

    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

    // Each returns whether the file now holds the change; false when it could not be
    // read or written (the file is then left as it was). Invalid names or values
    // throw std::invalid_argument (see IniDocument::put).
    bool put(std::string_view section, std::string_view key, std::string_view value);
    bool removeKey(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);
    // Several changes in one write.
    bool edit(const std::function<void(IniDocument&)>& change);

    // The file's content now (empty when it is missing or cannot be read).
    IniDocument read() const;

private:
    std::filesystem::path path_;
};

}  // namespace vx::rt
