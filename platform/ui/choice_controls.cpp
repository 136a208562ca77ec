#include "platform/ui/choice_controls.h"

#include "platform/core/text.h"
#include "platform/ui/window.h"

namespace vx::ui {

bool sameValue(const Value& a, const Value& b) {
    if (a.isNumber() && b.isNumber()) return a.number() == b.number();
    if (a.isNumber() || b.isNumber()) {
        // A number against a text that reads as that number (a Str variable of "1").
        const Value& text = a.isNumber() ? b : a;
        const Value& number = a.isNumber() ? a : b;
        const auto parsed = Decimal::parse(text.text());
        return parsed && *parsed == number.number();
    }
    return equalText(a.text(), b.text());
}

CheckControl::CheckControl(std::string useName, Value on, Value off)
    : Control(ControlKind::Check, std::move(useName)), on_(std::move(on)), off_(std::move(off)) {}

CheckControl& CheckControl::setValues(Value on, Value off) {
    on_ = std::move(on);
    off_ = std::move(off);
    changed();
    return *this;
}

CheckControl& CheckControl::setButtonLook(bool b) {
    buttonLook_ = b;
    changed();
    return *this;
}

void CheckControl::toggle() {
    if (!binding().bound()) {
        checked_ = !checked_;
        changed();
        return;
    }
    binding().write(checked_ ? off_ : on_);
    showVariable(false);
}

void CheckControl::showVariable(bool) {
    if (!binding().bound()) return;
    const bool now = sameValue(binding().read(), on_);
    if (now != checked_) {
        checked_ = now;
        changed();
    }
}

RadioControl::RadioControl(std::string useName, Value value)
    : Control(ControlKind::Radio, std::move(useName)), value_(std::move(value)) {}

void RadioControl::setChosen(bool c) {
    if (chosen_ != c) {
        chosen_ = c;
        changed();
    }
}

OptionControl::OptionControl(std::string useName) : Control(ControlKind::Option, std::move(useName)) {}

void OptionControl::choose(ControlId radio) {
    auto* r = window() ? dynamic_cast<RadioControl*>(window()->control(radio)) : nullptr;
    if (!r) return;
    binding().write(r->value());
    showVariable(false);
}

void OptionControl::showVariable(bool) {
    if (!window()) return;
    const Value v = binding().read();
    ControlId found = 0;
    for (ControlId child : children()) {
        auto* r = dynamic_cast<RadioControl*>(window()->control(child));
        if (!r) continue;
        const bool match = found == 0 && sameValue(v, r->value());
        if (match) found = child;
        r->setChosen(match);
    }
    if (found != chosen_) {
        chosen_ = found;
        changed();
    }
}

std::string OptionControl::shownValue() const {
    const Control* r = window() ? window()->control(chosen_) : nullptr;
    return r ? r->text() : std::string();
}

SheetControl::SheetControl(std::string useName) : Control(ControlKind::Sheet, std::move(useName)) {}

ControlId SheetControl::chosenTabId() const { return chosen_ >= 0 && chosen_ < tabCount() ? children()[chosen_] : 0; }

int SheetControl::tabCount() const { return static_cast<int>(children().size()); }

bool SheetControl::choose(int tab) {
    if (tab < 0 || tab >= tabCount()) return false;
    if (tab != chosen_) {
        chosen_ = tab;
        changed();
    }
    return true;
}

std::string SheetControl::shownValue() const {
    const Control* t = window() ? window()->control(chosenTabId()) : nullptr;
    return t ? t->text() : std::string();
}

}  // namespace vx::ui
