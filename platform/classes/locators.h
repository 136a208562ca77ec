#pragma once
// Locators of a sort order: typing on a list jumps to the first row whose first
// free order component is at or after what was typed. A step locator takes each
// key alone; an incremental locator adds the keys up (Backspace takes one back)
// until the list moves by other means.

#include <optional>
#include <string>

#include "platform/ui/keys.h"

namespace vx::classes {

class Locator {
public:
    virtual ~Locator() = default;
    // The text to look for after this key; nullopt when the key is not the locator's.
    virtual std::optional<std::string> take(const ui::Key& k) = 0;
    // The list moved by other means.
    virtual void clear() {}

protected:
    // The character a key types on a list ('\0' for none): digits, Latin letters and space, without modifiers.
    static char typed(const ui::Key& k);
};

class StepLocator : public Locator {
public:
    std::optional<std::string> take(const ui::Key& k) override;
};

class IncrementalLocator : public Locator {
public:
    std::optional<std::string> take(const ui::Key& k) override;
    void clear() override { text_.clear(); }

private:
    std::string text_;
};

}  // namespace vx::classes
