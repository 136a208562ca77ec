#include "platform/ui/drop_control.h"

#include <algorithm>

#include "platform/core/text.h"
#include "platform/ui/shown_text.h"

namespace vx::ui {

DropControl::DropControl(ControlKind kind, std::string useName, std::string_view picture)
    : EntryControl(kind, std::move(useName), picture) {
    model_.addColumn(ListColumn({}, picture));
}

DropControl& DropControl::setOwnerFed(bool fed) {
    ownerFed_ = fed;
    changed();
    return *this;
}

DropControl& DropControl::setEntries(std::string_view joined) {
    std::vector<ListRow> rows;
    std::size_t start = 0;
    while (!joined.empty()) {
        const std::size_t bar = joined.find('|', start);
        ListRow r;
        r.cells.push_back({Value(std::string(joined.substr(start, bar - start)))});
        rows.push_back(std::move(r));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    model_.setRows(std::move(rows));
    changed();
    return *this;
}

ListModel& DropControl::change() {
    changed();
    return model_;
}

DropControl& DropControl::setDropRows(int rows) {
    dropRows_ = std::max(rows, 1);
    changed();
    return *this;
}

bool DropControl::choose(int row) {
    if (row < 0 || row >= model_.rowCount()) return false;
    model_.setCurrent(row);
    binding().write(model_.cell(row, 0).value);
    showVariable(false);
    changed();
    return true;
}

int DropControl::find(std::string_view text) const {
    for (int r = 0; r < model_.rowCount(); ++r)
        if (equalText(model_.cellText(r, 0), text)) return r;
    return -1;
}

bool DropControl::takesFocus() const { return true; }

void DropControl::showVariable(bool keepTyping) {
    EntryControl::showVariable(keepTyping);
    if (ownerFed_ || !binding().bound()) return;
    const int match = find(shownText(Picture(), binding().read()));
    if (match != model_.current()) {
        model_.setCurrent(match);
        changed();
    }
}

std::string DropControl::shownValue() const {
    if (combo()) return visibleText();
    const int r = model_.current();
    return r < 0 ? std::string() : model_.cellText(r, 0);
}

}  // namespace vx::ui
