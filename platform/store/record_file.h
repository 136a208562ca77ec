#pragma once
// Record files on SQLite. One SQLite database file per record file, at its disk
// name. The on-disk schema is described at the top of layout.cpp.
//
//   Database     one open disk file, shared by every thread of the process
//   Table        access to one file's records through one connection
//                (its own, or an attached alias inside a Transaction)
//   Transaction  all-or-nothing work over several files (relation managers)
//   FileHandle   one thread's use of a file: its record buffer, a reading
//                position and the direct statements (SET, NEXT, ADD, PUT, ...)

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/store/schema.h"

namespace vx::store {

// Error codes of the driver (0 = no error).
enum class Error : int {
    None = 0,
    FileNotFound = 2,
    PathNotFound = 3,
    AccessDenied = 5,
    NotOpen = 37,
    RecordNotAvailable = 33,
    Duplicate = 40,
    Locked = 32,
    BadName = 45,
    Changed = 89,  // record changed since it was read
    Other = 90,
    DiskFull = 91,
};
std::string errorText(Error e);

using Position = int64_t;  // record position: order of creation, never reused

namespace detail {
class TableCore;
class FileCore;
class TransactionCore;
class HandleCore;
}  // namespace detail

// One term of an order: a field, ascending or descending; texts compare without case.
struct OrderTerm {
    int field;
    bool descending = false;
};

// A test of a field's stored value that a scan leaves to SQLite, or a group of
// them. A number compares exactly by value (no stored value equals one the field
// cannot hold, such as 1.25 in a field of one place); a text as stored (trailing
// blanks do not count, case and leading blanks do), and only for (in)equality.
struct Condition {
    enum class Test { Equal, NotEqual, Less, AtMost, Greater, AtLeast, AllOf, AnyOf };
    Test test = Test::AllOf;
    int field = -1;
    Value value;
    std::vector<Condition> terms;  // AllOf: all hold (none: true); AnyOf: one holds (none: false)

    static Condition equal(int field, Value v) { return {Test::Equal, field, std::move(v), {}}; }
    static Condition notEqual(int field, Value v) { return {Test::NotEqual, field, std::move(v), {}}; }
    static Condition less(int field, Value v) { return {Test::Less, field, std::move(v), {}}; }
    static Condition atMost(int field, Value v) { return {Test::AtMost, field, std::move(v), {}}; }
    static Condition greater(int field, Value v) { return {Test::Greater, field, std::move(v), {}}; }
    static Condition atLeast(int field, Value v) { return {Test::AtLeast, field, std::move(v), {}}; }
    static Condition allOf(std::vector<Condition> terms) { return {Test::AllOf, -1, Value(), std::move(terms)}; }
    static Condition anyOf(std::vector<Condition> terms) { return {Test::AnyOf, -1, Value(), std::move(terms)}; }
};

// What a scan reads: which order, which leading fields are fixed, where it starts.
// Rows with equal order values follow record order (reversed when reading backward).
struct ScanSpec {
    // Key order (keyIndex >= 0; its blank entries are left out unless kept), then
    // the terms below; with keyIndex < 0 the terms alone (none: record order).
    int keyIndex = -1;
    std::vector<OrderTerm> terms;
    // Leading components fixed to values (equality), in order of the terms/key.
    std::vector<Value> equal;
    // Start strictly after (or, backward, strictly before) this row of the order:
    // the order values of a row and its position. Empty: from the start (end).
    std::optional<std::vector<Value>> afterValues;
    Position afterPosition = 0;
    // Start at the first row whose leading order values are >= these (backward:
    // the last row whose leading order values are <= these). SET(key,key), locators.
    std::optional<std::vector<Value>> fromValues;
    bool backward = false;
    int limit = 0;  // 0: no limit (it counts the rows that pass `where`)
    // Only the rows for which every condition holds.
    std::vector<Condition> where;
    // The fields read into the record `each` sees (empty: every field); the order's
    // fields are read too, and the others hold nothing meaningful. A scan that needs
    // a few fields of many records reads only those.
    std::vector<int> fields;
    // Every row at once: SQLite reads the whole file in record order, each page once,
    // and sorts the rows the conditions keep, where the order's index would fetch
    // each row from anywhere in the file. For a scan that goes through a large file
    // in a key's order; the rows kept are held until the scan ends. Not with a start
    // (afterValues, fromValues); the fixed values are conditions like the others.
    bool atOnce = false;
};

class Table {
public:
    const FileDef& def() const;
    // Reads the record at a position; false (RecordNotAvailable) when there is none.
    bool read(Position pos, void* record);
    // Appends; returns the new position or nullopt (Duplicate ...: see lastError()).
    std::optional<Position> insert(const void* record);
    bool update(Position pos, const void* record);
    bool remove(Position pos);
    // Whether a record was added, changed or removed through this table.
    bool written() const;
    int64_t count();
    // Highest value of a numeric field over all records (0 in an empty file).
    Decimal highest(int field);
    // Hands the rows the ScanSpec selects to `each` in order, until `each` returns false or
    // the limit is reached, and returns their positions. The record passed to `each`
    // is the table's own (made by def().ops) and valid only during the call. Rows are
    // read ahead in chunks, so `each` may read and write this and other tables.
    std::vector<Position> scan(const ScanSpec& spec, const std::function<bool(Position, const void*)>& each);
    // The positions of every row the ScanSpec selects (up to its limit), in order, by one
    // query (two after a row: its ties, then the rest), so a file in an order no index
    // gives is sorted once, where a scan of many chunks sorts it for each. Empty, with
    // lastError(), when the read failed.
    std::vector<Position> positions(const ScanSpec& spec);
    // True when the stored record at pos equals `snapshot` field by field
    // (false with RecordNotAvailable when the record is gone).
    bool unchanged(Position pos, const void* snapshot);
    Error lastError() const;
    std::string lastErrorText() const;

private:
    friend class detail::FileCore;
    friend class detail::TransactionCore;
    friend class detail::HandleCore;
    std::shared_ptr<detail::TableCore> impl_;
};

class Database {
public:
    // Opens (creating when missing and `create` is set) the file at `path` with the layout `def`.
    // Shared: a second open of the same path in the process gives the same object.
    static std::shared_ptr<Database> open(const std::string& path, const FileDef& def, bool create, Error* error,
                                          std::string* errorText);
    ~Database();
    const std::string& path() const;
    Table& table();
    bool readOnly() const;

private:
    friend class detail::TransactionCore;
    friend class detail::HandleCore;
    friend class ReadSpan;
    Database();
    std::unique_ptr<detail::FileCore> impl_;
};

// Direct writes are batched into one SQLite transaction per file and committed at
// quiet moments: call this when the program waits for events (the scheduler does),
// and it also runs by itself after a bounded time or number of writes.
void commitPendingWrites();

// One read transaction on each file's own connection while it lives, so a run of
// reads (a page of a list and the parent records of its rows) locks each file and
// checks it for changes once instead of once per statement. A write through the
// own connection, a Transaction over the file or endReadSpans() ends the file's
// read transaction early; the reads after that lock by themselves again. Spans
// nest; a file the span holds is seen as it was at the span's first read of it.
// Nothing may wait for events inside a span without ending it: another station's
// writer waits for the lock it holds.
class ReadSpan {
public:
    explicit ReadSpan(std::vector<std::shared_ptr<Database>> files);
    ~ReadSpan();
    ReadSpan(const ReadSpan&) = delete;
    ReadSpan& operator=(const ReadSpan&) = delete;

private:
    std::vector<std::shared_ptr<Database>> files_;
};
// Ends the read transaction of every span now (the thread is about to wait).
void endReadSpans();

// All or nothing over several files (at most 10 distinct files: SQLite's limit of
// attached databases). The files' pending direct writes are committed first; while
// the transaction is open their own connections refuse writes (Locked).
class Transaction {
public:
    explicit Transaction(const std::vector<std::shared_ptr<Database>>& files);
    ~Transaction();  // rolls back unless committed
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool begun() const;
    Table& table(const Database& file);
    bool commit();
    void rollback();
    // Why it could not begin or commit (Locked: another station held a file too long).
    Error error() const;
    std::string errorText() const;

private:
    std::unique_ptr<detail::TransactionCore> impl_;
};

// A thread's use of one file: the record buffer it reads into and writes from,
// and the position of its direct statements.
//
// A scan reads ahead and survives PUT and DELETE of its current record: it goes on
// with the row after it (for a PUT that moves the record in the key's order, after
// its old place). Rows written by anyone else in the process are seen by the next
// NEXT or PREVIOUS.
class FileHandle {
public:
    FileHandle(const FileDef& def, void* record);
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool open(const std::string& path, bool create);
    void close();
    bool isOpen() const;
    Database* database() const;
    std::shared_ptr<Database> sharedDatabase() const;

    // Direct statements
    void set();                      // SET(file): start of record order (NEXT) or its end (PREVIOUS)
    void set(int keyIndex);          // SET(key): start (end) of the key's order
    void setAtBuffer(int keyIndex);  // SET(key,key): at the buffer's key values
    bool next();                     // NEXT: reads into the buffer; false at the end
    bool previous();                 // PREVIOUS
    bool eof();                      // true once the last record has been read (the first, after PREVIOUS)
    bool get(int keyIndex);          // GET(file,key): the first record whose key equals the buffer
    bool get(Position pos);          // GET by position; neither GET moves the scan
    bool add();                      // ADD: appends the buffer
    bool put();                      // PUT: rewrites the record last read, in place
    bool erase();                    // DELETE: removes the record last read
    int64_t records();               // RECORDS(file)
    Position position() const;       // position of the record last read or written (0: none)
    Error error() const;             // error of the last statement
    std::string errorText() const;

private:
    std::unique_ptr<detail::HandleCore> impl_;
};

}  // namespace vx::store
