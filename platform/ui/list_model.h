#pragma once
// What a list (or a drop list) shows: its columns and the rows on display, each
// cell a value shown through its column's picture, with its own look: colours
// (-1 none), an icon number into the list's icon table, and a style number into
// the list's style table. The list holds only the rows on display; whoever
// fills it (a browse, a drop list's owner) pages through its data itself.

#include <map>
#include <string>
#include <vector>

#include "platform/core/picture.h"
#include "platform/core/value.h"
#include "platform/ui/style.h"

namespace vx::ui {

enum class Align { Left, Center, Right };

struct ListColumn {
    std::string title{};
    Picture picture{};
    int width = 0;  // characters; 0 lets the renderer decide
    Align align = Align::Left;
    bool icons = false;  // shows its cells' icons
    bool resizable = true;

    ListColumn() = default;
    ListColumn(std::string t, std::string_view pic, int w = 0);
    ListColumn& right() {
        align = Align::Right;
        return *this;
    }
    ListColumn& centred() {
        align = Align::Center;
        return *this;
    }
    ListColumn& withIcons() {
        icons = true;
        return *this;
    }
    ListColumn& fixedWidth() {
        resizable = false;
        return *this;
    }
};

// A heading over several neighbouring columns ("Владелец" over "ФИО" and "Адрес").
struct ColumnGroup {
    std::string title;
    int first = 0;  // first column, 0-based
    int count = 0;
};

struct CellLook {
    Colours colours{};
    int icon = 0;   // 0: none
    int style = 0;  // 0: the list's own font and colours
    friend bool operator==(const CellLook&, const CellLook&) = default;
};

struct ListCell {
    Value value{};
    CellLook look{};
};

struct ListRow {
    std::vector<ListCell> cells;
};

class ListModel {
public:
    const std::vector<ListColumn>& columns() const { return columns_; }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    void addColumn(ListColumn c);
    void setColumns(std::vector<ListColumn> cs);
    void setColumnWidth(int column, int width);
    const std::vector<ColumnGroup>& groups() const { return groups_; }
    void addGroup(ColumnGroup g) { groups_.push_back(std::move(g)); }
    // Leading columns that stay in place when the list scrolls sideways.
    int frozenColumns() const { return frozen_; }
    void setFrozenColumns(int n) { frozen_ = n; }

    const std::vector<ListRow>& rows() const { return rows_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    void setRows(std::vector<ListRow> rows);
    // Replaces row i (0-based) in place; false when there is no such row.
    bool setRow(int i, ListRow row);
    void clearRows();
    // Cells short of the column count read as empty.
    const ListCell& cell(int row, int column) const;
    // The cell as the user sees it.
    std::string cellText(int row, int column) const;

    // The highlighted row (0-based), -1 when none.
    int current() const { return current_; }
    // Out of range gives -1.
    void setCurrent(int row);

    const std::map<int, ListStyle>& styles() const { return styles_; }
    void setStyle(int number, ListStyle s) { styles_[number] = std::move(s); }
    const ListStyle* style(int number) const;
    const std::map<int, std::string>& icons() const { return icons_; }
    void setIcon(int number, std::string name) { icons_[number] = std::move(name); }
    // "" when the number has no icon.
    std::string iconName(int number) const;

    int lineHeight() const { return lineHeight_; }  // 0: the renderer's default
    void setLineHeight(int h) { lineHeight_ = h; }
    const FontSpec& font() const { return font_; }
    void setFont(FontSpec f) { font_ = std::move(f); }

    // The column the rows are sorted by, shown beside its title (-1: none).
    int sortColumn() const { return sortColumn_; }
    bool sortDescending() const { return sortDescending_; }
    void setSortMark(int column, bool descending) {
        sortColumn_ = column;
        sortDescending_ = descending;
    }

    // Widens each column (or only `column`) to its title and the texts on display.
    void fitColumnsToContent(int column = -1);

private:
    std::vector<ListColumn> columns_;
    std::vector<ColumnGroup> groups_;
    int frozen_ = 0;
    std::vector<ListRow> rows_;
    int current_ = -1;
    std::map<int, ListStyle> styles_;
    std::map<int, std::string> icons_;
    int lineHeight_ = 0;
    FontSpec font_;
    int sortColumn_ = -1;
    bool sortDescending_ = false;
};

}  // namespace vx::ui
