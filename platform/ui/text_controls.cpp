#include "platform/ui/text_controls.h"

#include "platform/core/dates.h"
#include "platform/core/text.h"
#include "platform/ui/shown_text.h"
#include "platform/ui/window.h"

namespace vx::ui {

bool EntryRange::allows(const Value& v) const {
    const Decimal n = v.toNumber();
    if (low && n < *low) return false;
    if (high && n > *high) return false;
    return !notAfterToday || n <= Decimal(clock::today());
}

EntryControl::EntryControl(ControlKind kind, std::string useName, std::string_view picture)
    : Control(kind, std::move(useName)), picture_(Picture::parse(picture)) {}

EntryControl& EntryControl::setPicture(std::string_view picture) {
    picture_ = Picture::parse(picture);
    changed();
    return *this;
}

EntryControl& EntryControl::setRange(EntryRange range) {
    range_ = std::move(range);
    return *this;
}

EntryControl& EntryControl::setDisplayOnly(bool d) {
    displayOnly_ = d;
    changed();
    return *this;
}

void EntryControl::type(std::string text) {
    typing_ = std::move(text);
    rejected_ = false;
    changed();
}

void EntryControl::discardTyping() {
    rejected_ = false;
    showVariable(false);
}

bool EntryControl::takesFocus() const { return !displayOnly_; }

namespace {

// A number entry over a text variable shows a text that is not a number as it
// is ("12/А"), so an entry the user leaves alone never stands for another value.
std::string entryText(const Picture& picture, const Value& value) {
    if (picture.kind() == Picture::Kind::Number && value.isText() && !clip(value.text()).empty() &&
        !Decimal::parse(value.text()))
        return clip(value.text());
    return shownText(picture, value);
}

}  // namespace

void EntryControl::showVariable(bool keepTyping) {
    if (keepTyping && typing_) return;
    // A refused text stays for correction, unless the variable has been given another value since.
    if (rejected_ && typing_ && binding().bound() && shownText(picture_, binding().read()) == refusedOver_) return;
    if (typing_ || rejected_) changed();
    typing_.reset();
    rejected_ = false;
    if (binding().bound()) setShown(entryText(picture_, binding().read()));
}

bool EntryControl::takeTyped() {
    if (!typing_) return true;
    const std::optional<Value> v = parseTyped(*typing_);
    // A number its variable cannot hold is refused, never cut or wrapped into another value.
    const bool outOfRange = v && range_ && !range_->allows(*v);
    if (!v || !binding().holds(*v) || outOfRange) {
        rejected_ = true;
        if (binding().bound()) refusedOver_ = shownText(picture_, binding().read());
        changed();
        if (outOfRange && window()) window()->post(Event{EventKind::Refused, id()});
        return false;
    }
    binding().write(*v);
    typing_.reset();
    rejected_ = false;
    // What the variable holds now, which may differ from the text (cut, rounded).
    setShown(shownText(picture_, binding().bound() ? binding().read() : *v));
    changed();
    return true;
}

std::optional<Value> EntryControl::parseTyped(std::string_view text) const { return picture_.deformat(text); }

void EntryControl::setShown(std::string text) {
    if (shown_ != text) {
        shown_ = std::move(text);
        changed();
    }
}

SpinControl::SpinControl(std::string useName, std::string_view picture, Decimal low, Decimal high, Decimal step)
    : EntryControl(ControlKind::Spin, std::move(useName), picture), low_(low), high_(high), step_(step) {}

SpinControl& SpinControl::setRange(Decimal low, Decimal high, Decimal step) {
    low_ = low;
    high_ = high;
    step_ = step;
    changed();
    return *this;
}

bool SpinControl::spin(int direction) {
    const Decimal now = binding().read().toNumber();
    Decimal next = direction > 0 ? now + step_ : now - step_;
    if (next > high_) next = high_;
    if (next < low_) next = low_;
    if (next == now) return false;
    binding().write(Value(next));
    showVariable(false);
    return true;
}

std::optional<Value> SpinControl::parseTyped(std::string_view text) const {
    std::optional<Value> v = EntryControl::parseTyped(text);
    if (!v) return v;
    Decimal n = v->toNumber();
    if (n > high_) n = high_;
    if (n < low_) n = low_;
    return Value(n);
}

}  // namespace vx::ui
