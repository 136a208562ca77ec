#include "platform/store/connection.h"

#include <chrono>
#include <thread>

#include "platform/core/text.h"

namespace vx::store::detail {

namespace {

// More distinct statements than any table's reads and writes need; beyond it the
// idle ones are dropped.
constexpr std::size_t kMaxCachedStatements = 256;

int compareNoCase(void*, int na, const void* a, int nb, const void* b) {
    return compareTextNoCase(std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(na)),
                             std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(nb)));
}

}  // namespace

Error errorOf(int sqliteCode) {
    switch (sqliteCode & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW: return Error::None;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Error::Locked;
    case SQLITE_PERM:
    case SQLITE_READONLY: return Error::AccessDenied;
    case SQLITE_CANTOPEN: return Error::FileNotFound;
    case SQLITE_FULL: return Error::DiskFull;
    default: return sqliteCode == SQLITE_CONSTRAINT_UNIQUE ? Error::Duplicate : Error::Other;
    }
}

Statement::~Statement() {
    if (!stmt_) return;
    if (busy_) {
        sqlite3_reset(stmt_);
        *busy_ = false;
    } else {
        sqlite3_finalize(stmt_);
    }
}

std::unique_ptr<Connection> Connection::open(const std::string& path, bool create, Error* error, std::string* text) {
    sqlite3* db = nullptr;
    // Every thread of the program is a fiber of one OS thread: a connection is never
    // used by two at once, so SQLite need not lock it on every call.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        *error = errorOf(rc);
        *text = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_create_collation_v2(db, kNoCaseCollation, SQLITE_UTF8, nullptr, compareNoCase, nullptr);
    auto c = std::unique_ptr<Connection>(new Connection(db));
    sqlite3_busy_handler(db, &Connection::onBusy, c.get());
    return c;
}

Connection::Connection(sqlite3* db) : db_(db) {}

Connection::~Connection() {
    for (auto& [sql, cached] : cache_) sqlite3_finalize(cached.stmt);
    sqlite3_close(db_);
}

int Connection::onBusy(void* self, int attempt) {
    auto* c = static_cast<Connection*>(self);
    if (c->noWait_) return 0;
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0) c->waitStart_ = now;
    if (now - c->waitStart_ >= std::chrono::milliseconds(kLockWaitMs)) return 0;
    // Short sleeps first: most locks are held for a commit of a few milliseconds.
    std::this_thread::sleep_for(std::chrono::milliseconds(attempt < 10 ? 1 : 10));
    return 1;
}

bool Connection::exec(const std::string& sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK) return true;
    error_ = errorOf(rc);
    errorText_ = message ? message : sqlite3_errstr(rc);
    sqlite3_free(message);
    return false;
}

Statement Connection::prepare(const std::string& sql) {
    auto it = cache_.find(sql);
    if (it != cache_.end() && !it->second.busy) {
        it->second.busy = true;
        return Statement(it->second.stmt, &it->second.busy);
    }
    sqlite3_stmt* stmt = nullptr;
    const int rc =
        sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        fail(rc);
        return Statement(nullptr, nullptr);
    }
    if (it != cache_.end()) return Statement(stmt, nullptr);
    if (cache_.size() >= kMaxCachedStatements) {
        for (auto i = cache_.begin(); i != cache_.end();) {
            if (i->second.busy) {
                ++i;
                continue;
            }
            sqlite3_finalize(i->second.stmt);
            i = cache_.erase(i);
        }
    }
    Cached& entry = cache_[sql];
    entry.stmt = stmt;
    entry.busy = true;
    return Statement(stmt, &entry.busy);
}

void Connection::fail(int sqliteCode) {
    error_ = errorOf(sqliteCode);
    errorText_ = sqlite3_errmsg(db_);
}

}  // namespace vx::store::detail
