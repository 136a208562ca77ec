#pragma once
// A thread's manager of one file: opens it on first real use under the disk name
// of that moment (creating it when missing), primes and numbers new records,
// reads by key, writes with change detection, and reports through the error manager.
//
// Registration (open/close) reads nothing from disk; the first use does. Every
// operation answers an action level: Benign when it did its work.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/data/file_info.h"
#include "platform/expr/bindings.h"
#include "platform/runtime/error_messages.h"
#include "platform/store/record_file.h"

namespace vx::data {

using rt::Level;
using store::Position;

class FileManager {
public:
    FileManager(const FileInfo& info, store::FileHandle& handle, void* record);
    ~FileManager();
    FileManager(const FileManager&) = delete;
    FileManager& operator=(const FileManager&) = delete;

    const FileInfo& info() const { return info_; }
    const store::FileDef& def() const { return *info_.def; }
    void* record() const { return record_; }
    store::FileHandle& handle() const { return handle_; }

    // Registers one more user of the file on this thread; nothing is read yet.
    void open();
    // One user less; the last one closes the file.
    void close();
    int users() const { return users_; }

    // Makes sure the file is open for real, opening it now if it is not: a
    // per-database file under the current value of its name variable. A failure is
    // reported and answered with Fatal, the level that closes the asking window.
    Level useFile();
    // A per-database file not open yet whose name is blank: no database is chosen, so
    // it has no records to reach (and using it would only say so).
    bool unnamed() const;
    // The open file's records (valid after useFile answered Benign).
    store::Table& table() const;
    std::shared_ptr<store::Database> database() const;

    // A new record: cleared (texts blank, numbers 0), the file's defaults, and the
    // next number of an auto-numbered key, reserved at once by adding the record.
    Level primeRecord();
    // A cancelled insert gives its reserved number back.
    void cancelAutoIncrement();

    // The first record whose key equals the buffer; Notify and a cleared record when none.
    Level fetch(int keyIndex);
    // The record at a position, as what was read for a later change; Notify when gone.
    Level reget(Position pos);
    // The buffer holds the stored record at `pos` (a view loaded it).
    void remember(Position pos);
    // Position of the record last read, inserted or changed through this manager (0: none).
    Position current() const { return current_; }
    // That record as it was read.
    const void* loaded() const { return snapshot_; }
    // The current record is gone (deleted through the relation manager).
    void forget() { current_ = 0; }
    // No record is current: the buffer cleared (texts blank, numbers 0) and forgotten.
    void clearBuffer();

    // Insert, update and remove are each committed at once, or reported and nothing changed.
    // Adds the buffer as a new record (over the reserved one after primeRecord).
    Level insert();
    // The same through `work`, a begun transaction holding this file, committed at
    // once: the record counts as added only when the commit succeeded.
    Level insertThrough(store::Transaction& work);
    // Writes the buffer over the current record, refused when another station
    // changed the stored record since it was read.
    Level update();
    // Deletes the current record (no referential rules).
    Level remove();

    // Every field under "PRE:NAME" (the memo too, as text), read from this thread's buffer.
    void bindFields(expr::Bindings& names) const;

    // Description of the unique key that `record` would duplicate (ignoring the record at `self`), "" when none.
    std::string duplicateKey(const void* record, Position self) const;

private:
    struct Refusal {
        store::Error error;
        std::string text;
    };

    Level openNow();
    // Runs `write` on the file in a transaction of its own, committed at once;
    // nullopt when committed, else why nothing was changed.
    std::optional<Refusal> writeNow(const std::function<bool(store::Table&)>& write);
    std::optional<Position> write(store::Table& t);
    Level refusedInsert(store::Error error, const std::string& text);
    int autoNumberKey() const;

    const FileInfo& info_;
    store::FileHandle& handle_;
    void* record_;
    void* snapshot_;
    int users_ = 0;
    Position current_ = 0;
    Position reserved_ = 0;
};

}  // namespace vx::data
