#include "platform/ui/list_control.h"

#include <algorithm>

namespace vx::ui {

ListControl::ListControl(std::string useName) : Control(ControlKind::List, std::move(useName)) {}

ListModel& ListControl::change() {
    changed();
    return model_;
}

ListControl& ListControl::setPageSize(int rows) {
    pageSize_ = std::max(rows, 1);
    changed();
    return *this;
}

ListControl& ListControl::setWholeRowHighlight(bool whole) {
    if (wholeRow_ != whole) {
        wholeRow_ = whole;
        changed();
    }
    return *this;
}

void ListControl::setMouseColumn(int column) {
    if (mouseColumn_ != column) {
        mouseColumn_ = column;
        changed();
    }
}

ListControl& ListControl::setScrollPosition(int percent) {
    scrollPos_ = std::clamp(percent, 0, 100);
    changed();
    return *this;
}

std::string ListControl::shownValue() const {
    const int r = model_.current();
    if (r < 0) return {};
    std::string out;
    for (int c = 0; c < model_.columnCount(); ++c) {
        if (c) out += '|';
        out += model_.cellText(r, c);
    }
    return out;
}

}  // namespace vx::ui
