#include "platform/ui/desktop.h"
#include "platform/ui/drop_control.h"
#include "platform/ui/input_detail.h"
#include "platform/ui/list_control.h"

namespace vx::ui::input {

using namespace detail;

namespace detail {

Outcome listKey(Window& w, Control& c, Key k) {
    auto& list = static_cast<ListControl&>(c);
    const int current = list.model().current();
    const int rows = list.model().rowCount();
    auto highlight = [&](int row) {
        list.change().setCurrent(row);
        reportRow(w, EventKind::NewSelection, c.id(), row);
    };
    switch (k.key) {
    case VKey::Down:
        if (current + 1 < rows) highlight(current + 1);
        else report(w, EventKind::ScrollDown, c.id());
        break;
    case VKey::Up:
        if (current > 0) highlight(current - 1);
        else report(w, EventKind::ScrollUp, c.id());
        break;
    case VKey::PageDown: report(w, EventKind::PageDown, c.id()); break;
    case VKey::PageUp: report(w, EventKind::PageUp, c.id()); break;
    case VKey::Home: report(w, EventKind::ScrollTop, c.id()); break;
    case VKey::End: report(w, EventKind::ScrollBottom, c.id()); break;
    case VKey::Enter: report(w, EventKind::Accepted, c.id()); break;
    default: break;
    }
    return Outcome::done();
}

}  // namespace detail

namespace {

Outcome rowOutOfRange(const Control& c, int row) {
    return Outcome::refused(nameOf(c) + " shows no row " + std::to_string(row + 1));
}

void postClick(Window& w, ControlId c, Key k, int row, int column) {
    Event e{EventKind::AlertKey, c};
    e.key = k;
    e.row = row;
    e.column = column;
    w.post(e);
}

}  // namespace

Outcome selectRow(Window& w, ControlId c, int row) {
    Control* target = w.control(c);
    if (!target) return Outcome::refused("no such control");
    if (Outcome o = reachable(w, target); !o) return o;
    if (auto* drop = dynamic_cast<DropControl*>(target)) {
        if (row < 0 || row >= drop->model().rowCount()) return rowOutOfRange(*target, row);
        if (target->readOnly()) return Outcome::refused(nameOf(*target) + " is read-only");
        touch(w, *target);
        if (Outcome o = moveFocus(w, *target); !o) return o;
        drop->choose(row);
        reportRow(w, EventKind::NewSelection, c, row);
        report(w, EventKind::Accepted, c);
        return Outcome::done();
    }
    auto* list = dynamic_cast<ListControl*>(target);
    if (!list) return Outcome::refused(nameOf(*target) + " has no rows");
    if (row < 0 || row >= list->model().rowCount()) return rowOutOfRange(*target, row);
    touch(w, *target);
    if (Outcome o = moveFocus(w, *target); !o) return o;
    if (row != list->model().current()) {
        list->change().setCurrent(row);
        reportRow(w, EventKind::NewSelection, c, row);
    }
    return Outcome::done();
}

Outcome click(Window& w, ControlId c, int row, std::uint8_t mods, MouseButton button, int column, bool doubleClick) {
    auto* list = dynamic_cast<ListControl*>(w.control(c));
    if (!list) return Outcome::refused("clicks on rows go to lists only");
    if (Outcome o = reachable(w, list); !o) return o;
    if (row != kNoRow && (row < 0 || row >= list->model().rowCount())) return rowOutOfRange(*list, row);
    const VKey vk = button == MouseButton::Right ? VKey::MouseRight : doubleClick ? VKey::MouseLeft2 : VKey::MouseLeft;
    const Key k(vk, mods);
    desktop().noteInput(k);
    touch(w, *list, false);
    if (Outcome o = moveFocus(w, *list); !o) return o;
    // The click moves the highlight first, so whatever the click runs sees the row the user pointed at.
    if (row == kNoRow) {
        if (list->alerted(k) || w.alerted(k)) postClick(w, c, k, row, column);
        return Outcome::done();
    }
    list->setMouseColumn(column);
    if (row != list->model().current()) {
        list->change().setCurrent(row);
        reportRow(w, EventKind::NewSelection, c, row);
    }
    if (list->alerted(k) || w.alerted(k)) {
        postClick(w, c, k, row, column);
    } else if (doubleClick) {
        report(w, EventKind::Accepted, c);
    }
    return Outcome::done();
}

Outcome clickHeader(Window& w, ControlId c, int column, bool divider) {
    auto* list = dynamic_cast<ListControl*>(w.control(c));
    if (!list) return Outcome::refused("column titles belong to lists");
    if (Outcome o = reachable(w, list); !o) return o;
    if (column < 0 || column >= list->model().columnCount())
        return Outcome::refused(nameOf(*list) + " has no column " + std::to_string(column + 1));
    touch(w, *list);
    Event e{divider ? EventKind::HeaderDivider : EventKind::HeaderPressed, c};
    e.column = column;
    w.post(e);
    return Outcome::done();
}

Outcome dragScroll(Window& w, ControlId c, int position) {
    auto* list = dynamic_cast<ListControl*>(w.control(c));
    if (!list) return Outcome::refused("not a list");
    if (Outcome o = reachable(w, list); !o) return o;
    touch(w, *list);
    list->setScrollPosition(position);
    Event e{EventKind::ScrollDrag, c};
    e.row = list->scrollPosition();
    w.post(e);
    return Outcome::done();
}

void listResized(Window& w, ControlId c, int rows) {
    auto* list = dynamic_cast<ListControl*>(w.control(c));
    if (!list || list->pageSize() == rows) return;
    list->setPageSize(rows);
    w.post(Event{EventKind::Sized});
}

}  // namespace vx::ui::input
