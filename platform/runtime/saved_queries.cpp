#include "platform/runtime/saved_queries.h"

#include <algorithm>

#include "platform/core/text.h"

namespace vx::rt {
namespace {

constexpr std::string_view kListSection = "__Dont_Touch_Me__";
constexpr std::string_view kListKey = "Sectors";

std::vector<std::string> splitList(std::string_view text) {
    std::vector<std::string> names;
    if (text.empty()) return names;
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            name += text[++i];
        } else if (text[i] == ',') {
            names.push_back(std::move(name));
            name.clear();
        } else {
            name += text[i];
        }
    }
    names.push_back(std::move(name));
    return names;
}

std::string joinList(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += ',';
        for (char c : names[i]) {
            if (c == ',' || c == '\\') text += '\\';
            text += c;
        }
    }
    return text;
}

std::vector<std::string> listIn(const IniDocument& doc) {
    return splitList(doc.get(kListSection, kListKey).value_or(""));
}

auto named(std::string_view section) {
    return [section](const std::string& name) { return compareTextNoCase(name, section) == 0; };
}

}  // namespace

std::vector<std::string> registeredSections(const IniFile& ini) { return listIn(ini.read()); }

bool registerSection(IniFile& ini, std::string_view section) {
    const std::string name = IniDocument::checkedSectionName(section);
    return ini.edit([&](IniDocument& doc) {
        std::vector<std::string> names = listIn(doc);
        if (std::none_of(names.begin(), names.end(), named(name))) {
            names.push_back(name);
            doc.put(kListSection, kListKey, joinList(names));
        }
    });
}

bool unregisterSection(IniFile& ini, std::string_view section) {
    const std::string name = IniDocument::checkedSectionName(section);
    return ini.edit([&](IniDocument& doc) {
        std::vector<std::string> names = listIn(doc);
        if (std::erase_if(names, named(name)) > 0) doc.put(kListSection, kListKey, joinList(names));
        doc.removeSection(name);
    });
}

}  // namespace vx::rt
