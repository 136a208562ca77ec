#pragma once
// Another station on the same database folder, played with plain SQLite: its
// statements, what it reads back, and a write lock it holds.

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;

namespace vx::testing {

// Runs `sql` on the file and commits it at once; false (with the reason in the test's log) when refused.
bool onOtherStation(const std::string& file, const std::string& sql);
// The first column of the first row `sql` gives, -1 when none.
int64_t countOnOtherStation(const std::string& file, const std::string& sql);
// PRAGMA integrity_check of the file.
std::string integrityOf(const std::string& file);

// The other station writing these files: it holds their write locks until destroyed.
class HeldWriteLocks {
public:
    explicit HeldWriteLocks(const std::vector<std::string>& files);
    ~HeldWriteLocks();
    HeldWriteLocks(const HeldWriteLocks&) = delete;
    HeldWriteLocks& operator=(const HeldWriteLocks&) = delete;
    // Whether every lock was taken.
    bool held() const { return held_; }

private:
    std::vector<sqlite3*> connections_;
    bool held_ = true;
};

}  // namespace vx::testing
