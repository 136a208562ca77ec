#pragma once
// Records to and from SQLite columns, and rows read ahead.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/store/connection.h"
#include "platform/store/layout.h"

namespace vx::store::detail {

// One stored column value: `number` for numeric fields, `text` for texts.
struct Cell {
    int64_t number = 0;
    std::string text;
};

// Rows read ahead: positions and one cell per field. Reused between reads, so once
// warm a read allocates nothing for texts that fit the cells' earlier capacity.
class RowCache {
public:
    explicit RowCache(const FileLayout& layout) : layout_(layout) {}
    void clear() { rows_ = 0; }
    std::size_t size() const { return rows_; }
    Position pos(std::size_t row) const { return pos_[row]; }
    const Cell& cell(std::size_t row, int field) const { return cells_[row * width() + field]; }
    // Appends the current row of a statement that selects pos and `fields` (in that
    // order); the cells of the other fields are left as they were.
    void append(sqlite3_stmt* stmt, const std::vector<int>& fields);
    // ... that selects FileLayout::selectList.
    void append(sqlite3_stmt* stmt) { append(stmt, layout_.everyField); }
    // Those fields of a row into a record.
    void decode(std::size_t row, void* record, const std::vector<int>& fields) const;
    void decode(std::size_t row, void* record) const { decode(row, record, layout_.everyField); }

private:
    std::size_t width() const { return layout_.def.fields.size(); }
    const FileLayout& layout_;
    std::vector<Position> pos_;
    std::vector<Cell> cells_;
    std::size_t rows_ = 0;
};

// Binds a record as the parameters of FileLayout::insertSql (from 1); the folded
// key texts are kept in `folded` until the statement has run.
void bindRecord(Statement& s, const FileLayout& layout, const void* record, std::vector<std::string>& folded);

// True when a record's field differs from its stored cell.
bool differs(const FileLayout& layout, int field, const Cell& stored, const void* record);
// Binds one field from `param` on (and its folded text, kept in `folded`, after it
// when it has a key column); returns the next parameter.
int bindField(Statement& s, int param, const FileLayout& layout, int field, const void* record, std::string& folded);

// A value as the cell of a field's column (folded for a key column).
Cell cellOf(const FileLayout& layout, int field, bool folded, const Value& v);
// A field's cell of a stored row as the cell of its (folded) column.
void columnCell(const Cell& stored, bool folded, Cell& out);
void bindCell(Statement& s, int param, const FileLayout& layout, int field, const Cell& cell);

}  // namespace vx::store::detail
