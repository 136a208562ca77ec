#pragma once
// The same work done directly in SQLite, for comparison: a raw connection to a
// file made with the same schema as one of ours, prepared statements, one transaction.

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <vector>

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

}  // namespace vx::bench
