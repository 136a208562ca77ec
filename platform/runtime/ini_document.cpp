#include "platform/runtime/ini_document.h"

#include <algorithm>
#include <stdexcept>

#include "platform/core/text.h"

namespace vx::rt {
namespace {

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) { return keyFold(a) == keyFold(b); }

bool quoted(std::string_view s) { return s.size() >= 2 && s.front() == '"' && s.back() == '"'; }

std::string readValue(std::string_view raw) {
    std::string_view v = trim(raw);
    if (quoted(v)) v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::string writtenValue(std::string_view value) {
    if (value != trim(value) || quoted(value)) return '"' + std::string(value) + '"';
    return std::string(value);
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

std::string_view checkedKey(std::string_view key) {
    std::string_view name = trim(key);
    if (name.empty() || hasLineBreak(name) || name.find('=') != std::string_view::npos || name.front() == '[' ||
        name.front() == ';')
        throw std::invalid_argument("INI key not allowed: " + std::string(key));
    return name;
}

}  // namespace

std::string IniDocument::checkedSectionName(std::string_view section) {
    std::string_view name = trim(section);
    if (name.empty() || hasLineBreak(name) || name.find(']') != std::string_view::npos)
        throw std::invalid_argument("INI section name not allowed: " + std::string(section));
    return std::string(name);
}

IniDocument IniDocument::parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    IniDocument doc;
    std::vector<Line>* lines = &doc.preamble_;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (raw.ends_with('\r')) raw.remove_suffix(1);

        std::string_view body = trim(raw);
        if (body.starts_with('[')) {
            std::size_t close = body.find(']');
            if (close != std::string_view::npos) {
                doc.sections_.push_back({std::string(trim(body.substr(1, close - 1))), {}});
                lines = &doc.sections_.back().lines;
                continue;
            }
        }
        Line line{.raw = std::string(raw)};
        std::size_t eq = body.find('=');
        if (!body.starts_with(';') && eq != std::string_view::npos && !trim(body.substr(0, eq)).empty()) {
            line.key = std::string(trim(body.substr(0, eq)));
            line.value = readValue(body.substr(eq + 1));
        }
        lines->push_back(std::move(line));
    }
    return doc;
}

std::string IniDocument::text() const {
    std::string out;
    for (const Line& l : preamble_) out += l.raw + '\n';
    for (const Section& s : sections_) {
        out += '[' + s.name + "]\n";
        for (const Line& l : s.lines) out += l.raw + '\n';
    }
    return out;
}

IniDocument::Section* IniDocument::find(std::string_view section) {
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const Section& s) { return sameName(s.name, trim(section)); });
    return it == sections_.end() ? nullptr : &*it;
}

const IniDocument::Section* IniDocument::find(std::string_view section) const {
    return const_cast<IniDocument*>(this)->find(section);
}

std::optional<std::string> IniDocument::get(std::string_view section, std::string_view key) const {
    if (const Section* s = find(section)) {
        for (const Line& l : s->lines)
            if (!l.key.empty() && sameName(l.key, trim(key))) return l.value;
    }
    return std::nullopt;
}

void IniDocument::put(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName = checkedSectionName(section);
    std::string_view keyName = checkedKey(key);
    if (hasLineBreak(value)) throw std::invalid_argument("INI value with a line break");

    Section* s = find(sectionName);
    if (!s) {
        // A blank line between sections, as people write them.
        std::vector<Line>& before = sections_.empty() ? preamble_ : sections_.back().lines;
        if (!(sections_.empty() && preamble_.empty()) && (before.empty() || !trim(before.back().raw).empty()))
            before.push_back({});
        sections_.push_back({sectionName, {}});
        s = &sections_.back();
    }
    for (Line& l : s->lines) {
        if (!l.key.empty() && sameName(l.key, keyName)) {
            l.value = value;
            l.raw = l.key + '=' + writtenValue(value);
            return;
        }
    }
    // After the last non-blank line, so blank lines keep separating the sections.
    auto pos = s->lines.end();
    while (pos != s->lines.begin() && trim(std::prev(pos)->raw).empty()) --pos;
    s->lines.insert(pos,
                    Line{std::string(keyName), std::string(value), std::string(keyName) + '=' + writtenValue(value)});
}

void IniDocument::removeKey(std::string_view section, std::string_view key) {
    if (Section* s = find(section))
        std::erase_if(s->lines, [&](const Line& l) { return !l.key.empty() && sameName(l.key, trim(key)); });
}

void IniDocument::removeSection(std::string_view section) {
    std::erase_if(sections_, [&](const Section& s) { return sameName(s.name, trim(section)); });
}

std::vector<std::string> IniDocument::sections() const {
    std::vector<std::string> names;
    for (const Section& s : sections_) names.push_back(s.name);
    return names;
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* s = find(section))
        for (const Line& l : s->lines)
            if (!l.key.empty()) names.push_back(l.key);
    return names;
}

}  // namespace vx::rt
