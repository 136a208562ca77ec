#pragma once
// One open record file: its own connection, its batch of direct writes and a
// count of changes that tells read-ahead positions when to read again.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/store/connection.h"
#include "platform/store/record_file.h"

namespace vx::store::detail {

// Why the file at `path` cannot be written: "folder F is read-only" when its folder
// takes no write (a read-only file system, no permission), else the file's own.
std::string readOnlyCause(const std::string& path);

// A batch is committed after this many writes to its file...
inline constexpr int kBatchWrites = 20000;
// ...or once the oldest open batch is this old (checked at each write).
inline constexpr int kBatchAgeMs = 200;

class FileCore {
public:
    FileCore(std::string path, const FileDef& def, std::unique_ptr<Connection> c);
    ~FileCore();  // commits the batch
    FileCore(const FileCore&) = delete;
    FileCore& operator=(const FileCore&) = delete;

    const std::string& path() const { return path_; }
    const FileDef& def() const { return def_; }
    Table& table() { return table_; }
    bool readOnly() const { return readOnly_; }

    // Changes made in this process through any connection; a read-ahead taken at
    // an older count reads again.
    uint64_t changes() const { return changes_; }
    void changed() { ++changes_; }

    // Before a write on the own connection: opens the batch when none is open.
    bool beginWrite(Error* error, std::string* text);
    // After a successful write on the own connection.
    void wrote();
    // Commits the batch, if any; false when it could not be committed.
    bool commitBatch(std::string* text);
    // The error of the own connection's last failed statement.
    Error lastError() const { return c_->error(); }

    // The open batch (0: none). While it is open no other connection can write the file.
    uint64_t batch() const { return batchOpen_ && c_->inTransaction() ? batchSerial_ : 0; }

    // While a transaction holds the file, the own connection refuses writes (and
    // holds no read transaction: the transaction's commit waits for every reader).
    void setInTransaction(bool on);

    // Read spans over the file (ReadSpan): the first begins a read transaction on
    // the own connection unless it is in one already, the last ends it.
    void beginRead();
    void endRead();
    // Ends the spans' read transaction early; the reads after it lock by themselves.
    void endReadNow();

private:
    std::string path_;
    const FileDef& def_;
    std::unique_ptr<Connection> c_;
    Table table_;
    bool readOnly_;
    uint64_t changes_ = 0;
    bool batchOpen_ = false;
    int batchWrites_ = 0;
    uint64_t batchSerial_ = 0;
    bool inTransaction_ = false;
    int readSpans_ = 0;
    bool reading_ = false;  // the own connection's transaction is the spans' read transaction
};

}  // namespace vx::store::detail
