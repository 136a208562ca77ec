#include "platform/qt/key_translation.h"

#include <array>

namespace vx::qt {

namespace {

using ui::VKey;

std::optional<VKey> namedKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VKey::Enter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VKey::Tab;
    case Qt::Key_Escape: return VKey::Escape;
    case Qt::Key_Space: return VKey::Space;
    case Qt::Key_Backspace: return VKey::Backspace;
    case Qt::Key_Insert: return VKey::Insert;
    case Qt::Key_Delete: return VKey::Delete;
    case Qt::Key_Home: return VKey::Home;
    case Qt::Key_End: return VKey::End;
    case Qt::Key_PageUp: return VKey::PageUp;
    case Qt::Key_PageDown: return VKey::PageDown;
    case Qt::Key_Up: return VKey::Up;
    case Qt::Key_Down: return VKey::Down;
    case Qt::Key_Left: return VKey::Left;
    case Qt::Key_Right: return VKey::Right;
    case Qt::Key_Control: return VKey::Ctrl;
    default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<VKey>(static_cast<int>(VKey::F1) + (qtKey - Qt::Key_F1));
    return std::nullopt;
}

std::optional<VKey> latin(quint32 code) {
    if (code >= 'a' && code <= 'z') code -= 'a' - 'A';
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return static_cast<VKey>(code);
    return std::nullopt;
}

// The letter or digit printed on a key of the standard (US) placement, by scan code.
std::optional<VKey> byPosition(quint32 scanCode) {
#ifdef Q_OS_WIN
    constexpr quint32 kDigits = 0x02, kTop = 0x10, kHome = 0x1E, kBottom = 0x2C;
#else
    constexpr quint32 kDigits = 10, kTop = 24, kHome = 38, kBottom = 52;  // X11 key codes
#endif
    static constexpr std::array<std::pair<quint32, const char*>, 4> kRows{
        {{kDigits, "1234567890"}, {kTop, "QWERTYUIOP"}, {kHome, "ASDFGHJKL"}, {kBottom, "ZXCVBNM"}}};
    for (const auto& [first, keys] : kRows) {
        const std::string_view row(keys);
        if (scanCode >= first && scanCode < first + row.size()) return static_cast<VKey>(row[scanCode - first]);
    }
    return std::nullopt;
}

}  // namespace

std::uint8_t modsOf(Qt::KeyboardModifiers m) {
    std::uint8_t out = ui::mod::None;
    if (m & Qt::ShiftModifier) out |= ui::mod::Shift;
    if (m & Qt::ControlModifier) out |= ui::mod::Ctrl;
    if (m & Qt::AltModifier) out |= ui::mod::Alt;
    return out;
}

std::optional<ui::Key> translateKey(const QKeyEvent& e) {
    std::uint8_t mods = modsOf(e.modifiers());
    if (const auto named = namedKey(e.key())) {
        if (*named == VKey::Ctrl) return ui::Key(VKey::Ctrl);
        if (e.key() == Qt::Key_Backtab) mods |= ui::mod::Shift;
        return ui::Key(*named, mods);
    }
    if (const auto k = latin(static_cast<quint32>(e.key()))) return ui::Key(*k, mods);
    if (const auto k = byPosition(e.nativeScanCode())) return ui::Key(*k, mods);
    if (const auto k = latin(e.nativeVirtualKey())) return ui::Key(*k, mods);
    return std::nullopt;
}

}  // namespace vx::qt
