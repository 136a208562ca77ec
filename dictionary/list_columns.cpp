#include "dictionary/list_columns.h"

#include <stdexcept>
#include <string>

namespace vx::dct {

int columnOf(const ColumnTable& table, std::string_view name) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (name == table[i].name) return static_cast<int>(i);
    throw std::logic_error("no list column " + std::string(name));
}

void showColumns(ui::ListModel& list, const ColumnTable& table) {
    std::vector<ui::ListColumn> columns;
    columns.reserve(table.size());
    for (const ListColumnDef& c : table) columns.push_back(c.shown);
    list.setColumns(std::move(columns));
}

void addHeading(ui::ListModel& list, const ColumnTable& table, std::string title, std::string_view first, int count) {
    list.addGroup(ui::ColumnGroup{std::move(title), columnOf(table, first), count});
}

void TableBrowse::addColumns(const ColumnTable& table) {
    table_ = &table;
    dct::addColumns(static_cast<classes::BrowseClass&>(*this), table);
}

ui::CellLook& TableBrowse::cell(std::string_view name) {
    if (!table_) throw std::logic_error("a list's looks before its columns");
    return cellLook(columnOf(*table_, name));
}

}  // namespace vx::dct
