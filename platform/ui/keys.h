#pragma once
// Keys and mouse clicks as the windows see them: virtual keys with modifiers,
// independent of the keyboard layout (Alt+K is the K key with Alt whatever the
// layout types). Mouse clicks on a list are keys too, so they can be alert keys.
// VKey::Ctrl is the Ctrl key going down by itself (see Desktop for when it counts).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx::ui {

enum class VKey : std::uint16_t {
    None = 0,
    // Letters and digits are their upper-case ASCII codes: VKey('A'), VKey('7').
    Enter = 256,
    Tab,
    Escape,
    Space,
    Backspace,
    Insert,
    Delete,
    Home,
    End,
    PageUp,
    PageDown,
    Up,
    Down,
    Left,
    Right,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    Ctrl,       // Ctrl pressed alone
    MouseLeft,  // a button going down
    MouseRight,
    MouseLeft2,  // a double click
};

namespace mod {
inline constexpr std::uint8_t None = 0, Shift = 1, Ctrl = 2, Alt = 4;
}

struct Key {
    VKey key = VKey::None;
    std::uint8_t mods = mod::None;

    constexpr Key() = default;
    constexpr Key(VKey k, std::uint8_t m = mod::None) : key(k), mods(m) {}

    // A letter or digit key ('k' and 'K' are the same key).
    static Key of(char c, std::uint8_t mods = mod::None);
    // "Alt+K", "Ctrl+Shift+MouseLeft", "F9", "Down", "Enter", "Ctrl" (alone);
    // names and modifiers compare case-insensitively. nullopt for an unknown name.
    static std::optional<Key> parse(std::string_view text);
    // The text parse() reads back, modifiers in the order Ctrl, Shift, Alt.
    std::string name() const;

    bool has(std::uint8_t m) const { return (mods & m) == m; }
    bool isMouse() const { return key == VKey::MouseLeft || key == VKey::MouseRight || key == VKey::MouseLeft2; }
    bool isNone() const { return key == VKey::None; }

    friend bool operator==(const Key&, const Key&) = default;
};

}  // namespace vx::ui
