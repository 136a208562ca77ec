#pragma once
// Controls the user types into: an entry (one line), a text (several lines)
// and a spin box. Each shows its variable through its picture. What the user
// types stays "typing" until confirmed (Enter, Tab, leaving the control);
// confirming takes it through DEFORMAT into the variable. Text that does not
// fit the picture (letters in a number, a date that does not exist) leaves the
// variable as it was and stays in the control for the user to correct.
//
// An entry may also have a range: a value outside it is refused the same way,
// and the window is told (a Refused event) so it can say what the entry allows.

#include <optional>
#include <string>

#include "platform/core/decimal.h"
#include "platform/core/picture.h"
#include "platform/ui/control.h"

namespace vx::ui {

// The values a number or date entry allows beyond what its variable can hold.
struct EntryRange {
    std::optional<Decimal> low, high;
    bool notAfterToday = false;  // a date: up to the program's today
    std::string allowed;         // what the user is told is allowed

    bool allows(const Value& v) const;
};

class EntryControl : public Control {
public:
    EntryControl(ControlKind kind, std::string useName, std::string_view picture);

    const Picture& picture() const { return picture_; }
    EntryControl& setPicture(std::string_view picture);
    // Display only: shows its variable, takes no focus and no typing.
    bool displayOnly() const { return displayOnly_; }
    EntryControl& setDisplayOnly(bool d);

    // The text the user sees: what is being typed, else the variable's value as last shown.
    const std::string& visibleText() const { return typing_ ? *typing_ : shown_; }
    bool typing() const { return typing_.has_value(); }
    // Confirmed text that did not fit the picture or the range (still shown as typed).
    bool rejected() const { return rejected_; }
    const std::optional<EntryRange>& range() const { return range_; }
    EntryControl& setRange(EntryRange range);

    // The user's typing (replaces the whole text; not confirmed yet).
    void type(std::string text);
    // Confirms the typing: true when it reached the variable (or nothing was typed).
    bool confirm() { return takeTyped(); }
    // Drops the typing and shows the variable again.
    void discardTyping();

    bool takesFocus() const override;
    void showVariable(bool keepTyping) override;
    bool takeTyped() override;
    std::string shownValue() const override { return visibleText(); }

protected:
    // The value typed text stands for; nullopt when it does not fit.
    virtual std::optional<Value> parseTyped(std::string_view text) const;
    void setShown(std::string text);

private:
    Picture picture_;
    bool displayOnly_ = false;
    std::string shown_;
    std::optional<std::string> typing_;
    bool rejected_ = false;
    std::optional<EntryRange> range_;
    std::string refusedOver_;  // the variable as shown when the text was refused
};

class SpinControl : public EntryControl {
public:
    SpinControl(std::string useName, std::string_view picture, Decimal low, Decimal high, Decimal step);

    Decimal low() const { return low_; }
    Decimal high() const { return high_; }
    Decimal step() const { return step_; }
    SpinControl& setRange(Decimal low, Decimal high, Decimal step);

    // The up (+1) or down (-1) arrow: the variable moves by one step within the range.
    // False when it is already at that end.
    bool spin(int direction);

protected:
    // A typed number outside the range is brought to its nearest end.
    std::optional<Value> parseTyped(std::string_view text) const override;

private:
    Decimal low_, high_, step_;
};

}  // namespace vx::ui
