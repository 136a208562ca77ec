#include "platform/ui/keys.h"

#include <array>
#include <cctype>
#include <utility>
#include <vector>

namespace vx::ui {

namespace {

struct Named {
    std::string_view name;
    VKey key;
};

constexpr std::array<Named, 30> kNames{{
    {"Enter", VKey::Enter},
    {"Tab", VKey::Tab},
    {"Esc", VKey::Escape},
    {"Space", VKey::Space},
    {"Backspace", VKey::Backspace},
    {"Insert", VKey::Insert},
    {"Delete", VKey::Delete},
    {"Home", VKey::Home},
    {"End", VKey::End},
    {"PageUp", VKey::PageUp},
    {"PageDown", VKey::PageDown},
    {"Up", VKey::Up},
    {"Down", VKey::Down},
    {"Left", VKey::Left},
    {"Right", VKey::Right},
    {"F1", VKey::F1},
    {"F2", VKey::F2},
    {"F3", VKey::F3},
    {"F4", VKey::F4},
    {"F5", VKey::F5},
    {"F6", VKey::F6},
    {"F7", VKey::F7},
    {"F8", VKey::F8},
    {"F9", VKey::F9},
    {"F10", VKey::F10},
    {"F11", VKey::F11},
    {"F12", VKey::F12},
    {"MouseLeft", VKey::MouseLeft},
    {"MouseRight", VKey::MouseRight},
    {"MouseLeft2", VKey::MouseLeft2},
}};

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::optional<std::uint8_t> modifierNamed(std::string_view part) {
    if (sameName(part, "Ctrl")) return mod::Ctrl;
    if (sameName(part, "Shift")) return mod::Shift;
    if (sameName(part, "Alt")) return mod::Alt;
    return std::nullopt;
}

std::optional<VKey> keyNamed(std::string_view part) {
    if (part.size() == 1 && std::isalnum(static_cast<unsigned char>(part[0])))
        return static_cast<VKey>(std::toupper(static_cast<unsigned char>(part[0])));
    for (const Named& n : kNames)
        if (sameName(part, n.name)) return n.key;
    if (sameName(part, "Escape")) return VKey::Escape;
    return std::nullopt;
}

}  // namespace

Key Key::of(char c, std::uint8_t mods) {
    return Key(static_cast<VKey>(std::toupper(static_cast<unsigned char>(c))), mods);
}

std::optional<Key> Key::parse(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    // "Ctrl++" is not needed by anything: "+" only separates.
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '+') {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (parts.empty() || parts.back().empty()) return std::nullopt;
    if (parts.size() == 1 && sameName(parts[0], "Ctrl")) return Key(VKey::Ctrl);
    Key k;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        auto m = modifierNamed(parts[i]);
        if (!m) return std::nullopt;
        k.mods |= *m;
    }
    auto key = keyNamed(parts.back());
    if (!key) return std::nullopt;
    k.key = *key;
    return k;
}

std::string Key::name() const {
    if (key == VKey::Ctrl) return "Ctrl";
    std::string out;
    if (has(mod::Ctrl)) out += "Ctrl+";
    if (has(mod::Shift)) out += "Shift+";
    if (has(mod::Alt)) out += "Alt+";
    const auto code = static_cast<std::uint16_t>(key);
    if (code > 0 && code < 256) return out + static_cast<char>(code);
    for (const Named& n : kNames)
        if (n.key == key) return out + std::string(n.name);
    return out + "None";
}

}  // namespace vx::ui
