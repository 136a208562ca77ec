#include <gtest/gtest.h>

#include "platform/qt/key_translation.h"

namespace vx::qt {
namespace {

using ui::Key;
using ui::VKey;
namespace mod = ui::mod;

struct KeyCase {
    const char* what;
    int qtKey;
    Qt::KeyboardModifiers mods;
    quint32 scanCode;
    quint32 virtualKey;
    std::optional<Key> expected;
};

TEST(KeyTranslation, LettersGoByPositionWhateverTheLayoutTypes) {
    const KeyCase cases[] = {
        {"Alt+K, Latin layout", Qt::Key_K, Qt::AltModifier, 45, 'k', Key::of('K', mod::Alt)},
        {"Alt+K, Russian layout (types л)", 0x041B, Qt::AltModifier, 45, 0x6cc, Key::of('K', mod::Alt)},
        {"Shift+X, Russian layout (types Ч)", 0x0427, Qt::ShiftModifier, 53, 0x6fe, Key::of('X', mod::Shift)},
        {"Alt+1 gives the digit, not the shifted sign", Qt::Key_Exclam, Qt::AltModifier | Qt::ShiftModifier, 10, '!',
         Key::of('1', mod::Alt | mod::Shift)},
        {"Ctrl alone", Qt::Key_Control, Qt::ControlModifier, 37, 0xffe3, Key(VKey::Ctrl)},
        {"Shift+Tab arrives as Backtab", Qt::Key_Backtab, Qt::ShiftModifier, 23, 0, Key(VKey::Tab, mod::Shift)},
        {"Ctrl+Shift+F9", Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier, 75, 0,
         Key(VKey::F9, mod::Ctrl | mod::Shift)},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, 104, 0, Key(VKey::Enter)},
        {"a key with no model name", Qt::Key_Print, Qt::NoModifier, 107, 0, std::nullopt},
    };
    for (const KeyCase& c : cases) {
        const QKeyEvent e(QEvent::KeyPress, c.qtKey, c.mods, c.scanCode, c.virtualKey, 0);
        EXPECT_EQ(translateKey(e), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace vx::qt
