#pragma once
// Controls the user sets by choosing: a check box (its variable holds the "on"
// or the "off" value), an option box whose radios each stand for a value of the
// option's variable, and a sheet whose tabs the user chooses between.

#include <string>

#include "platform/core/value.h"
#include "platform/ui/control.h"

namespace vx::ui {

// True when the two values are equal: as numbers when both are numbers, else as texts
// (trailing spaces do not count).
bool sameValue(const Value& a, const Value& b);

class CheckControl : public Control {
public:
    explicit CheckControl(std::string useName, Value on = Value(1), Value off = Value(0));

    const Value& onValue() const { return on_; }
    const Value& offValue() const { return off_; }
    CheckControl& setValues(Value on, Value off);
    // Drawn as a toggle button (the toolbar's check buttons).
    bool buttonLook() const { return buttonLook_; }
    CheckControl& setButtonLook(bool b);

    // Whether the variable held the "on" value when last shown.
    bool checked() const { return checked_; }
    // The user's click: the variable takes the other value.
    void toggle();

    bool takesFocus() const override { return true; }
    void showVariable(bool keepTyping) override;
    std::string shownValue() const override { return checked_ ? "1" : "0"; }

private:
    Value on_, off_;
    bool buttonLook_ = false;
    bool checked_ = false;
};

class RadioControl : public Control {
public:
    RadioControl(std::string useName, Value value);
    const Value& value() const { return value_; }
    // Whether the option's variable held this radio's value when last shown.
    bool chosen() const { return chosen_; }
    bool takesFocus() const override { return true; }

private:
    friend class OptionControl;
    void setChosen(bool c);
    Value value_;
    bool chosen_ = false;
};

class OptionControl : public Control {
public:
    explicit OptionControl(std::string useName);

    // The radio the variable stands for, 0 when none.
    ControlId chosenRadio() const { return chosen_; }
    // The user's choice of a radio: the variable takes its value.
    void choose(ControlId radio);

    bool takesFocus() const override { return false; }
    void showVariable(bool keepTyping) override;
    // The chosen radio's caption.
    std::string shownValue() const override;

private:
    ControlId chosen_ = 0;
};

class SheetControl : public Control {
public:
    explicit SheetControl(std::string useName);

    // The tabs are the sheet's children; the chosen one by position (0-based).
    int chosenTab() const { return chosen_; }
    ControlId chosenTabId() const;
    int tabCount() const;
    // False when there is no such tab.
    bool choose(int tab);

    bool takesFocus() const override { return false; }
    std::string shownValue() const override;

private:
    int chosen_ = 0;
};

}  // namespace vx::ui
