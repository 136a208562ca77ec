#pragma once
// One SQLite connection with the driver's settings: extended result codes, the
// case-insensitive collation, a bounded wait on locks and a cache of prepared
// statements that are always reset after use (a live statement would hold a lock).

#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/store/record_file.h"

namespace vx::store::detail {

// Name of the collation that compares texts as keys do, for orders on texts without a key column.
inline constexpr const char* kNoCaseCollation = "vx_nocase";

// Longest wait for a lock held by another connection or process: a few seconds
// for a whole operation, after which the user is told the database is busy.
inline constexpr int kLockWaitMs = 3000;

Error errorOf(int sqliteCode);

// A prepared statement in use; resets it (or finalizes a one-off) when it goes.
class Statement {
public:
    Statement(sqlite3_stmt* stmt, bool* busy) : stmt_(stmt), busy_(busy) {}
    Statement(Statement&& o) noexcept : stmt_(o.stmt_), busy_(o.busy_) { o.stmt_ = nullptr; }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    explicit operator bool() const { return stmt_ != nullptr; }
    sqlite3_stmt* get() const { return stmt_; }
    void bind(int i, int64_t v) { sqlite3_bind_int64(stmt_, i, v); }
    // The text must stay alive until the statement is stepped for the last time.
    void bind(int i, std::string_view text) {
        sqlite3_bind_text(stmt_, i, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
    }
    int step() { return sqlite3_step(stmt_); }

private:
    sqlite3_stmt* stmt_;
    bool* busy_;  // cache entry's in-use flag; nullptr for a one-off statement
};

class Connection {
public:
    // Opens a database file; nullptr with the error set when it cannot be opened.
    static std::unique_ptr<Connection> open(const std::string& path, bool create, Error* error, std::string* text);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return db_; }
    bool readOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }
    bool inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

    // Runs statements without results; on failure keeps the error (see error()).
    bool exec(const std::string& sql);
    // A cached statement, or a fresh one while the cached one is in use. Empty on a
    // syntax error (kept as the error).
    Statement prepare(const std::string& sql);

    // The next lock conflict fails at once instead of waiting (for deadlock avoidance).
    void setNoWait(bool noWait) { noWait_ = noWait; }

    // Keeps the error of a failed step: its driver code and SQLite's message.
    void fail(int sqliteCode);
    Error error() const { return error_; }
    const std::string& errorText() const { return errorText_; }

private:
    explicit Connection(sqlite3* db);
    static int onBusy(void* self, int attempt);

    struct Cached {
        sqlite3_stmt* stmt = nullptr;
        bool busy = false;
    };

    sqlite3* db_;
    std::unordered_map<std::string, Cached> cache_;
    bool noWait_ = false;
    std::chrono::steady_clock::time_point waitStart_;
    Error error_ = Error::None;
    std::string errorText_;
};

}  // namespace vx::store::detail
