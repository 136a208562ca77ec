#include "platform/classes/locators.h"

namespace vx::classes {

char Locator::typed(const ui::Key& k) {
    if (k.mods != ui::mod::None) return '\0';
    if (k.key == ui::VKey::Space) return ' ';
    const auto code = static_cast<unsigned>(k.key);
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return static_cast<char>(code);
    return '\0';
}

std::optional<std::string> StepLocator::take(const ui::Key& k) {
    const char c = typed(k);
    if (c == '\0') return std::nullopt;
    return std::string(1, c);
}

std::optional<std::string> IncrementalLocator::take(const ui::Key& k) {
    if (k.key == ui::VKey::Backspace && k.mods == ui::mod::None) {
        if (!text_.empty()) text_.pop_back();
        return text_;
    }
    const char c = typed(k);
    if (c == '\0') return std::nullopt;
    text_ += c;
    return text_;
}

}  // namespace vx::classes
