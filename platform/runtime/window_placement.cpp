#include "platform/runtime/window_placement.h"

#include <charconv>
#include <string>

#include "platform/core/text.h"

namespace vx::rt {
namespace {

std::optional<long> number(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    long value = 0;
    const char* end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, value);
    if (ec != std::errc() || ptr != end || text->empty()) return std::nullopt;
    return value;
}

bool yes(const std::optional<std::string>& text) { return text && compareTextNoCase(*text, "Yes") == 0; }

void putOrRemove(IniDocument& doc, std::string_view section, std::string_view key, std::optional<long> value) {
    if (value) doc.put(section, key, std::to_string(*value));
    else doc.removeKey(section, key);
}

}  // namespace

WindowPlacement fetchPlacement(const IniFile& ini, std::string_view procedure) {
    IniDocument doc = ini.read();
    WindowPlacement p;
    p.maximized = yes(doc.get(procedure, "Maximize"));
    p.minimized = yes(doc.get(procedure, "Minimize"));
    p.x = number(doc.get(procedure, "XPos"));
    p.y = number(doc.get(procedure, "YPos"));
    p.width = number(doc.get(procedure, "Width"));
    p.height = number(doc.get(procedure, "Height"));
    return p;
}

bool updatePlacement(IniFile& ini, std::string_view procedure, const WindowPlacement& p, bool resizable) {
    return ini.edit([&](IniDocument& doc) {
        doc.put(procedure, "Maximize", p.maximized ? "Yes" : "No");
        doc.put(procedure, "Minimize", p.minimized ? "Yes" : "No");
        putOrRemove(doc, procedure, "XPos", p.maximized ? std::nullopt : p.x);
        putOrRemove(doc, procedure, "YPos", p.maximized ? std::nullopt : p.y);
        putOrRemove(doc, procedure, "Width", resizable ? p.width : std::nullopt);
        putOrRemove(doc, procedure, "Height", resizable ? p.height : std::nullopt);
    });
}

}  // namespace vx::rt
