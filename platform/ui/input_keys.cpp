#include <algorithm>

#include "platform/ui/desktop.h"
#include "platform/ui/drop_control.h"
#include "platform/ui/input_detail.h"

namespace vx::ui::input {

using namespace detail;

namespace {

Outcome tabFocus(Window& w, bool backward) {
    const std::vector<ControlId> order = w.tabOrder();
    if (order.empty()) return Outcome::done();
    auto at = std::find(order.begin(), order.end(), w.focused());
    std::size_t i = at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin());
    i = backward ? (i + order.size() - 1) % order.size() : (at == order.end() ? 0 : (i + 1) % order.size());
    return moveFocus(w, *w.control(order[i]));
}

Outcome dropKey(Window& w, DropControl& drop, int step) {
    const int next = std::clamp(drop.model().current() + step, 0, drop.model().rowCount() - 1);
    if (drop.model().rowCount() == 0 || next == drop.model().current()) return Outcome::done();
    drop.choose(next);
    reportRow(w, EventKind::NewSelection, drop.id(), next);
    report(w, EventKind::Accepted, drop.id());
    return Outcome::done();
}

}  // namespace

Outcome key(Window& w, Key k) {
    if (Outcome o = reachable(w, nullptr); !o) return o;
    Control* target = w.control(w.focused());
    if (k.key == VKey::Ctrl) {
        if (!desktop().ctrlAloneCounts()) return Outcome::done();
    } else {
        desktop().noteInput(k);
    }
    if (target) touch(w, *target, false);
    if ((target && target->alerted(k)) || w.alerted(k)) {
        Event e{EventKind::AlertKey, target ? target->id() : 0};
        e.key = k;
        w.post(e);
        return Outcome::done();
    }
    if (k.key == VKey::Tab) return tabFocus(w, k.has(mod::Shift));
    if (!target) return Outcome::done();
    switch (target->kind()) {
    case ControlKind::List: return listKey(w, *target, k);
    case ControlKind::Button:
        if (k.key == VKey::Enter || k.key == VKey::Space) report(w, EventKind::Accepted, target->id());
        return Outcome::done();
    case ControlKind::Check:
    case ControlKind::Radio: return k.key == VKey::Space ? press(w, target->id()) : Outcome::done();
    case ControlKind::Spin:
        if (k.key == VKey::Up || k.key == VKey::Down) {
            if (target->readOnly()) return Outcome::refused(nameOf(*target) + " is read-only");
            if (static_cast<SpinControl*>(target)->spin(k.key == VKey::Up ? 1 : -1))
                report(w, EventKind::NewSelection, target->id());
            return Outcome::done();
        }
        return k.key == VKey::Enter ? confirm(w, target->id()) : Outcome::done();
    case ControlKind::DropList:
    case ControlKind::DropCombo:
        if (k.key == VKey::Down || k.key == VKey::Up) {
            if (target->readOnly()) return Outcome::refused(nameOf(*target) + " is read-only");
            return dropKey(w, *static_cast<DropControl*>(target), k.key == VKey::Down ? 1 : -1);
        }
        return k.key == VKey::Enter ? confirm(w, target->id()) : Outcome::done();
    case ControlKind::Entry:
    case ControlKind::Text: return k.key == VKey::Enter ? confirm(w, target->id()) : Outcome::done();
    default: return Outcome::done();
    }
}

}  // namespace vx::ui::input
