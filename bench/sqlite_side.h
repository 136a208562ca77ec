#pragma once
// The same work done directly in SQLite, for comparison: a raw connection to a
// file made with the same schema as one of ours, prepared statements, one transaction.

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "platform/store/schema.h"

namespace vx::bench {

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    void bind(int index, int64_t value);
    void bind(int index, const std::string& value);
    bool step();  // true while a row is there
    void reset();
    int64_t integer(int column) const;
    std::string text(int column) const;
    int columns() const;

private:
    sqlite3_stmt* stmt_ = nullptr;
};

class RawFile {
public:
    // A new file at `path` with the schema of the file `schemaFrom`.
    RawFile(const std::string& path, const std::string& schemaFrom);
    // An existing file.
    explicit RawFile(const std::string& path);
    ~RawFile();
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;
    sqlite3* db() const { return db_; }
    void exec(const std::string& sql);
    // Columns of the records table after pos, in table order.
    std::vector<std::string> columns();

private:
    sqlite3* db_ = nullptr;
};

// A column value as our store writes it.
using Cell = std::variant<int64_t, std::string>;

// The column names, each quoted and followed by `each`, between `separator`s.
std::string joined(const std::vector<std::string>& names, const std::string& separator, const std::string& each = "");
// The column values of the record in `record` as our store writes them.
std::vector<Cell> cellsOf(const store::FileDef& def, const void* record, const std::vector<std::string>& columns);
void bindCells(Statement& st, const std::vector<Cell>& cells, int first = 1);
// Milliseconds SQLite takes to append `rows` (the cells of `columns`) in one transaction.
double appendedInOneTransaction(RawFile& raw, const std::vector<std::string>& columns,
                                const std::vector<std::vector<Cell>>& rows);

}  // namespace vx::bench
