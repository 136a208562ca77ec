#pragma once
// The content of an INI file: sections of key=value entries. Section and key
// names compare case-insensitively; comments and blank lines are kept as they are.
// Names and values are trimmed; a value with spaces at either end, or one in
// double quotes, is written quoted so it reads back unchanged.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::rt {

class IniDocument {
public:
    static IniDocument parse(std::string_view text);
    // A section name as the file keeps it (trimmed); throws std::invalid_argument
    // when it cannot be one (empty, a line break or "]").
    static std::string checkedSectionName(std::string_view section);
    std::string text() const;

    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    // Throws std::invalid_argument for a name or value the file could not hold
    // (empty names, line breaks, "]" in a section, "=" in a key, a key starting with "[" or ";").
    void put(std::string_view section, std::string_view key, std::string_view value);
    void removeKey(std::string_view section, std::string_view key);
    // Removes every section of that name.
    void removeSection(std::string_view section);
    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

private:
    struct Line {
        std::string key{};    // empty: not an entry
        std::string value{};  // the value as read back
        std::string raw{};    // the line as in the file
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };

    Section* find(std::string_view section);
    const Section* find(std::string_view section) const;

    std::vector<Line> preamble_;
    std::vector<Section> sections_;
};

}  // namespace vx::rt
