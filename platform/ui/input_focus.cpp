#include "platform/core/text.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/desktop.h"
#include "platform/ui/drop_control.h"
#include "platform/ui/input_detail.h"

namespace vx::ui::input {

namespace detail {

std::string nameOf(const Control& c) {
    return c.useName().empty() ? std::string(kindName(c.kind())) + " #" + std::to_string(c.id()) : c.useName();
}

Outcome reachable(const Window& w, const Control* c) {
    if (!w.isOpen()) return Outcome::refused("window " + w.procedure() + " is not open");
    if (w.blocked()) return Outcome::refused("window " + w.procedure() + " waits for a form or dialog on its thread");
    if (!c) return Outcome::done();
    if (!c->shown()) return Outcome::refused(nameOf(*c) + " is hidden");
    if (!c->usable()) return Outcome::refused(nameOf(*c) + " is disabled");
    return Outcome::done();
}

bool inBar(const Window& w, const Control& c) {
    for (const Control* p = &c; p; p = w.control(p->parent()))
        if (p->kind() == ControlKind::Toolbar || p->kind() == ControlKind::MenuBar) return true;
    return false;
}

void touch(Window& w, const Control& c, bool noteClick) {
    if (noteClick) desktop().noteInput(Key(VKey::MouseLeft));
    if (!inBar(w, c)) desktop().activate(w);
}

void report(Window& w, EventKind kind, ControlId c) { w.post(Event{kind, c}); }

void reportRow(Window& w, EventKind kind, ControlId c, int row) {
    Event e{kind, c};
    e.row = row;
    w.post(e);
}

Outcome moveFocus(Window& w, Control& c) {
    if (w.focused() == c.id()) return Outcome::done();
    if (!c.takesFocus()) return Outcome::refused(nameOf(c) + " takes no focus");
    if (Control* left = w.control(w.focused())) {
        auto* entry = dynamic_cast<EntryControl*>(left);
        if (entry && entry->typing()) {
            if (!entry->confirm())
                return Outcome::refused("the text typed into " + nameOf(*left) + " does not fit its picture");
            report(w, EventKind::Accepted, left->id());
        }
    }
    w.setFocusQuietly(c.id());
    report(w, EventKind::Selected, c.id());
    return Outcome::done();
}

}  // namespace detail

using namespace detail;

Outcome focus(Window& w, ControlId c) {
    Control* target = w.control(c);
    if (Outcome o = reachable(w, target); !o) return o;
    if (!target) return Outcome::refused("no such control");
    touch(w, *target);
    return moveFocus(w, *target);
}

Outcome press(Window& w, ControlId c) {
    Control* target = w.control(c);
    if (!target) return Outcome::refused("no such control");
    if (Outcome o = reachable(w, target); !o) return o;
    touch(w, *target);
    const bool bar = inBar(w, *target);
    switch (target->kind()) {
    case ControlKind::MenuItem: report(w, EventKind::Accepted, c); return Outcome::done();
    case ControlKind::Button:
        if (!bar)
            if (Outcome o = moveFocus(w, *target); !o) return o;
        report(w, EventKind::Accepted, c);
        return Outcome::done();
    case ControlKind::Check: {
        if (!bar)
            if (Outcome o = moveFocus(w, *target); !o) return o;
        if (target->readOnly()) return Outcome::refused(nameOf(*target) + " is read-only");
        static_cast<CheckControl*>(target)->toggle();
        report(w, EventKind::Accepted, c);
        return Outcome::done();
    }
    case ControlKind::Radio: {
        auto* option = dynamic_cast<OptionControl*>(w.control(target->parent()));
        if (!option) return Outcome::refused(nameOf(*target) + " is not in an option box");
        if (Outcome o = moveFocus(w, *target); !o) return o;
        if (option->readOnly()) return Outcome::refused(nameOf(*option) + " is read-only");
        option->choose(c);
        report(w, EventKind::Accepted, option->id());
        return Outcome::done();
    }
    default: return Outcome::refused(nameOf(*target) + " cannot be pressed");
    }
}

Outcome type(Window& w, ControlId c, std::string text) {
    Control* target = w.control(c);
    if (!target) return Outcome::refused("no such control");
    if (Outcome o = reachable(w, target); !o) return o;
    auto* entry = dynamic_cast<EntryControl*>(target);
    if (!entry || target->kind() == ControlKind::DropList)
        return Outcome::refused(nameOf(*target) + " takes no typing");
    if (entry->displayOnly() || entry->readOnly()) return Outcome::refused(nameOf(*target) + " is read-only");
    touch(w, *target);
    if (Outcome o = moveFocus(w, *target); !o) return o;
    entry->type(std::move(text));
    return Outcome::done();
}

Outcome confirm(Window& w, ControlId c) {
    Control* target = w.control(c);
    if (!target) return Outcome::refused("no such control");
    if (Outcome o = reachable(w, target); !o) return o;
    auto* entry = dynamic_cast<EntryControl*>(target);
    if (!entry) return Outcome::refused(nameOf(*target) + " takes no typing");
    // Text that does not fit stays for the user to correct; nothing is reported.
    if (entry->confirm()) report(w, EventKind::Accepted, c);
    return Outcome::done();
}

Outcome choose(Window& w, ControlId c, std::string_view entry) {
    Control* target = w.control(c);
    if (!target) return Outcome::refused("no such control");
    if (Outcome o = reachable(w, target); !o) return o;
    if (target->kind() == ControlKind::Sheet) return chooseTab(w, c, entry);
    if (target->kind() == ControlKind::Option) {
        for (ControlId r : target->children()) {
            const Control* radio = w.control(r);
            if (radio && equalText(leftJustify(replaceAll(radio->text(), "&", "")), leftJustify(entry)))
                return press(w, r);
        }
        return Outcome::refused(nameOf(*target) + " has no radio \"" + std::string(entry) + "\"");
    }
    auto* drop = dynamic_cast<DropControl*>(target);
    if (!drop) return Outcome::refused(nameOf(*target) + " has no entries to choose");
    if (target->readOnly()) return Outcome::refused(nameOf(*target) + " is read-only");
    const int row = drop->find(entry);
    if (row < 0) return Outcome::refused(nameOf(*target) + " has no entry \"" + std::string(entry) + "\"");
    touch(w, *target);
    if (Outcome o = moveFocus(w, *target); !o) return o;
    drop->choose(row);
    reportRow(w, EventKind::NewSelection, c, row);
    report(w, EventKind::Accepted, c);
    return Outcome::done();
}

Outcome chooseTab(Window& w, ControlId sheet, int tab) {
    auto* s = dynamic_cast<SheetControl*>(w.control(sheet));
    if (!s) return Outcome::refused("not a sheet");
    if (Outcome o = reachable(w, s); !o) return o;
    const Control* page = tab >= 0 && tab < s->tabCount() ? w.control(s->children()[tab]) : nullptr;
    if (!page) return Outcome::refused(nameOf(*s) + " has no tab " + std::to_string(tab + 1));
    if (page->hidden() || page->disabled()) return Outcome::refused(nameOf(*page) + " cannot be chosen");
    touch(w, *s);
    if (s->chosenTab() == tab) return Outcome::done();
    s->choose(tab);
    w.setFocusQuietly(w.focused());
    report(w, EventKind::NewSelection, sheet);
    return Outcome::done();
}

Outcome chooseTab(Window& w, ControlId sheet, std::string_view caption) {
    auto* s = dynamic_cast<SheetControl*>(w.control(sheet));
    if (!s) return Outcome::refused("not a sheet");
    for (int i = 0; i < s->tabCount(); ++i) {
        const Control* t = w.control(s->children()[i]);
        if (t && equalText(leftJustify(replaceAll(t->text(), "&", "")), leftJustify(caption)))
            return chooseTab(w, sheet, i);
    }
    return Outcome::refused(nameOf(*s) + " has no tab \"" + std::string(caption) + "\"");
}

Outcome edit(EditCommand command) {
    Window* w = desktop().activeWindow();
    if (!w) return Outcome::refused("no active window");
    auto* entry = dynamic_cast<EntryControl*>(w->control(w->focused()));
    if (!entry) return Outcome::refused("the focused control holds no text");
    const std::string text = entry->visibleText();
    switch (command) {
    case EditCommand::Copy: desktop().setClipboard(text); return Outcome::done();
    case EditCommand::Cut:
    case EditCommand::Paste:
        if (entry->readOnly() || entry->displayOnly()) return Outcome::refused(nameOf(*entry) + " is read-only");
        if (command == EditCommand::Cut) {
            desktop().setClipboard(text);
            entry->type("");
        } else {
            // No caret in the model: the clipboard goes at the end of the text.
            entry->type(text + desktop().clipboard());
        }
        return Outcome::done();
    }
    return Outcome::done();
}

}  // namespace vx::ui::input
