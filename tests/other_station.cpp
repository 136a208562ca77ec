#include "tests/other_station.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace vx::testing {

bool onOtherStation(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    const bool done = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!done) ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
    sqlite3_close(db);
    return done;
}

int64_t countOnOtherStation(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
    const int64_t n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
    sqlite3_finalize(st);
    sqlite3_close(db);
    return n;
}

std::string integrityOf(const std::string& file) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr);
    std::string result = sqlite3_step(st) == SQLITE_ROW ? reinterpret_cast<const char*>(sqlite3_column_text(st, 0)) : "?";
    sqlite3_finalize(st);
    sqlite3_close(db);
    return result;
}

HeldWriteLocks::HeldWriteLocks(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        sqlite3*& db = connections_.emplace_back();
        held_ = sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
                sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK && held_;
    }
}

HeldWriteLocks::~HeldWriteLocks() {
    for (sqlite3* db : connections_) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
}

}  // namespace vx::testing
