#include "platform/ui/list_model.h"

#include <algorithm>

#include "platform/core/text.h"
#include "platform/ui/shown_text.h"

namespace vx::ui {

ListColumn::ListColumn(std::string t, std::string_view pic, int w)
    : title(std::move(t)), picture(Picture::parse(pic)), width(w) {}

void ListModel::addColumn(ListColumn c) { columns_.push_back(std::move(c)); }

void ListModel::setColumns(std::vector<ListColumn> cs) { columns_ = std::move(cs); }

void ListModel::setColumnWidth(int column, int width) {
    if (column >= 0 && column < columnCount()) columns_[column].width = width;
}

void ListModel::setRows(std::vector<ListRow> rows) {
    rows_ = std::move(rows);
    if (current_ >= rowCount()) current_ = rowCount() - 1;
}

bool ListModel::setRow(int i, ListRow row) {
    if (i < 0 || i >= rowCount()) return false;
    rows_[i] = std::move(row);
    return true;
}

void ListModel::clearRows() {
    rows_.clear();
    current_ = -1;
}

const ListCell& ListModel::cell(int row, int column) const {
    static const ListCell kEmpty{};
    if (row < 0 || row >= rowCount() || column < 0) return kEmpty;
    const auto& cells = rows_[row].cells;
    return column < static_cast<int>(cells.size()) ? cells[column] : kEmpty;
}

std::string ListModel::cellText(int row, int column) const {
    const ListCell& c = cell(row, column);
    if (column < columnCount()) return shownText(columns_[column].picture, c.value);
    return shownText(Picture(), c.value);
}

void ListModel::setCurrent(int row) { current_ = row >= 0 && row < rowCount() ? row : -1; }

const ListStyle* ListModel::style(int number) const {
    auto it = styles_.find(number);
    return it == styles_.end() ? nullptr : &it->second;
}

std::string ListModel::iconName(int number) const {
    auto it = icons_.find(number);
    return it == icons_.end() ? std::string() : it->second;
}

void ListModel::fitColumnsToContent(int column) {
    for (int c = 0; c < columnCount(); ++c) {
        if (column >= 0 && c != column) continue;
        std::size_t widest = charCount(columns_[c].title);
        for (int r = 0; r < rowCount(); ++r) widest = std::max(widest, charCount(cellText(r, c)));
        columns_[c].width = static_cast<int>(widest) + (columns_[c].icons ? 2 : 0);
    }
}

}  // namespace vx::ui
