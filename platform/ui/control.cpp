#include "platform/ui/control.h"

#include <algorithm>

#include "platform/ui/choice_controls.h"
#include "platform/ui/window.h"

namespace vx::ui {

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Row: return "row";
    case ControlKind::Column: return "column";
    case ControlKind::Grid: return "grid";
    case ControlKind::Group: return "group";
    case ControlKind::Sheet: return "sheet";
    case ControlKind::Tab: return "tab";
    case ControlKind::Option: return "option";
    case ControlKind::Toolbar: return "toolbar";
    case ControlKind::MenuBar: return "menubar";
    case ControlKind::Menu: return "menu";
    case ControlKind::Radio: return "radio";
    case ControlKind::Prompt: return "prompt";
    case ControlKind::Entry: return "entry";
    case ControlKind::Text: return "text";
    case ControlKind::Spin: return "spin";
    case ControlKind::Button: return "button";
    case ControlKind::Check: return "check";
    case ControlKind::DropList: return "droplist";
    case ControlKind::DropCombo: return "dropcombo";
    case ControlKind::List: return "list";
    case ControlKind::MenuItem: return "item";
    case ControlKind::Separator: return "separator";
    case ControlKind::Ole: return "ole";
    case ControlKind::Progress: return "progress";
    case ControlKind::Pages: return "pages";
    }
    return "?";
}

bool isContainer(ControlKind kind) {
    switch (kind) {
    case ControlKind::Row:
    case ControlKind::Column:
    case ControlKind::Grid:
    case ControlKind::Group:
    case ControlKind::Sheet:
    case ControlKind::Tab:
    case ControlKind::Option:
    case ControlKind::Toolbar:
    case ControlKind::MenuBar:
    case ControlKind::Menu: return true;
    default: return false;
    }
}

Control::Control(ControlKind kind, std::string useName) : kind_(kind), useName_(std::move(useName)) {}

void Control::changed() {
    if (window_) window_->noteChanged(id_);
}

Control& Control::setText(std::string text) {
    if (text_ != text) {
        text_ = std::move(text);
        changed();
    }
    return *this;
}

Control& Control::setTooltip(std::string text) {
    if (tooltip_ != text) {
        tooltip_ = std::move(text);
        changed();
    }
    return *this;
}

Control& Control::setStatusText(std::string text) {
    statusText_ = std::move(text);
    changed();
    return *this;
}

Control& Control::setIcon(std::string name) {
    if (icon_ != name) {
        icon_ = std::move(name);
        changed();
    }
    return *this;
}

Control& Control::setColours(const Colours& c) {
    if (!(colours_ == c)) {
        colours_ = c;
        changed();
    }
    return *this;
}

Control& Control::setTextColour(Colour c) {
    Colours next = colours_;
    next.text = c;
    return setColours(next);
}

Control& Control::setBackground(Colour c) {
    Colours next = colours_;
    next.background = c;
    return setColours(next);
}

Control& Control::setFont(const FontSpec& f) {
    if (!(font_ == f)) {
        font_ = f;
        changed();
    }
    return *this;
}

Control& Control::setHints(const LayoutHints& h) {
    hints_ = h;
    changed();
    return *this;
}

Control& Control::setWidth(int characters) {
    hints_.width = characters;
    changed();
    return *this;
}

Control& Control::setHeight(int lines) {
    hints_.height = lines;
    changed();
    return *this;
}

Control& Control::stretch() {
    hints_.stretch = true;
    changed();
    return *this;
}

Control& Control::setHidden(bool h) {
    if (hidden_ != h) {
        hidden_ = h;
        changed();
        if (window_ && window_->isOpen()) window_->setFocusQuietly(window_->focused());
    }
    return *this;
}

Control& Control::setDisabled(bool d) {
    if (disabled_ != d) {
        disabled_ = d;
        changed();
        if (window_ && window_->isOpen()) window_->setFocusQuietly(window_->focused());
    }
    return *this;
}

Control& Control::setReadOnly(bool r) {
    if (readOnly_ != r) {
        readOnly_ = r;
        changed();
    }
    return *this;
}

bool Control::shown() const {
    for (const Control* c = this; c; c = c->window_ ? c->window_->control(c->parent_) : nullptr) {
        if (c->hidden_) return false;
        // Only the chosen tab's page is on view.
        const Control* p = c->window_ ? c->window_->control(c->parent_) : nullptr;
        if (p && p->kind_ == ControlKind::Sheet && static_cast<const SheetControl*>(p)->chosenTabId() != c->id_)
            return false;
    }
    return true;
}

bool Control::usable() const {
    for (const Control* c = this; c; c = c->window_ ? c->window_->control(c->parent_) : nullptr)
        if (c->disabled_) return false;
    return true;
}

Control& Control::alert(Key k) {
    if (!alerted(k)) alerts_.push_back(k);
    return *this;
}

Control& Control::removeAlert(Key k) {
    std::erase(alerts_, k);
    return *this;
}

Control& Control::clearAlerts() {
    alerts_.clear();
    return *this;
}

bool Control::alerted(Key k) const { return std::find(alerts_.begin(), alerts_.end(), k) != alerts_.end(); }

Control& Control::bind(Binding b) {
    binding_ = std::move(b);
    changed();
    return *this;
}

bool Control::takesFocus() const { return kind_ == ControlKind::Button; }

void Control::showVariable(bool) {}

bool Control::takeTyped() { return true; }

std::string Control::shownValue() const { return text_; }

}  // namespace vx::ui
