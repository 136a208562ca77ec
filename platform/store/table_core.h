#pragma once
// A file's records through one connection: the work behind Table.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/store/connection.h"
#include "platform/store/layout.h"
#include "platform/store/row_codec.h"
#include "platform/store/scan_query.h"

namespace vx::store::detail {

class FileCore;

// Where a read starts: at the start (end), at or after leading values, or after a row.
struct Anchor {
    enum class Kind { Start, From, After } kind = Kind::Start;
    std::vector<Cell> values;  // column cells of the order (From: a leading part)
    Position pos = 0;          // After
};

// Rows read ahead per query.
inline constexpr int kChunkRows = 256;
// A scan asking for many rows fetches them in larger chunks: each chunk is a query,
// and a query in an order no index gives sorts the whole file again.
inline constexpr int kLargestChunkRows = 8192;

class TableCore {
public:
    // `own`: the file whose own connection this is (direct writes are batched);
    // nullptr for a table inside a transaction.
    TableCore(Connection& c, const FileDef& def, const std::string& schema, FileCore* own);
    ~TableCore();
    TableCore(const TableCore&) = delete;
    TableCore& operator=(const TableCore&) = delete;

    const FileLayout& layout() const { return layout_; }
    const FileDef& def() const { return layout_.def; }

    bool read(Position pos, void* record);
    std::optional<Position> insert(const void* record);
    bool update(Position pos, const void* record);
    bool remove(Position pos);
    int64_t count();
    Decimal highest(int field);
    std::vector<Position> scan(const ScanSpec& spec, const std::function<bool(Position, const void*)>& each);
    std::vector<Position> positions(const ScanSpec& spec);
    bool unchanged(Position pos, const void* snapshot);

    // Reads up to `limit` rows of an order into `out` (cleared first): the fields and
    // rows of `selection`, every field of every row when there is none.
    bool fetch(const Order& order, const std::vector<Cell>& equal, const Anchor& anchor, bool backward, int limit,
               RowCache& out, const Selection* selection = nullptr);
    // The anchor just after a row read into a cache.
    void anchorAt(const Order& order, const RowCache& cache, std::size_t row, Anchor& out) const;
    // A key's component values in a record, as cells of the key's columns.
    std::vector<Cell> keyCells(const Order& order, const void* record) const;
    // The own connection's count is no longer known (its batch was lost).
    void forgetCount() { countKnown_ = false; }
    bool written() const { return written_; }

    Error lastError() const { return error_; }
    const std::string& lastErrorText() const { return errorText_; }

private:
    struct Buffers {
        explicit Buffers(const FileLayout& l) : cache(l), def(l.def), record(l.def.ops.create()) {}
        ~Buffers() { def.ops.destroy(record); }
        Buffers(const Buffers&) = delete;
        Buffers& operator=(const Buffers&) = delete;
        RowCache cache;
        const FileDef& def;
        void* record;
    };
    // Scratch rows and a record for one read; nested reads get their own.
    std::unique_ptr<Buffers> takeBuffers();
    void giveBack(std::unique_ptr<Buffers> b);

    // Takes each row a statement steps to.
    using RowSink = std::function<void(sqlite3_stmt*)>;

    bool readRow(Position pos, RowCache& out);
    void scanAtOnce(const ScanSpec& spec, const Order& order, const std::vector<Cell>& equal,
                    const Selection& selection, const std::function<bool(Position, const void*)>& each,
                    std::vector<Position>& positions);
    // The rows of an order from an anchor, up to `limit` (-1: all), to `row`.
    bool select(const Order& order, const std::vector<Cell>& equal, const Anchor& anchor, bool backward, int limit,
                const Selection& selection, const RowSink& row);
    bool run(const Order& order, const Query& q, const std::vector<Cell>& equal, const Anchor& anchor,
             std::size_t firstValue, int limit, const Selection& selection, const RowSink& row);
    Anchor anchorOf(const Order& order, const ScanSpec& spec) const;
    std::vector<Cell> cellsOf(const Order& order, const std::vector<Value>& values) const;
    // The order of a scan: a key's own, kept, or one made in `scratch`; nullptr when
    // the scan names a field the file lacks.
    const Order* orderOf(const ScanSpec& spec, Order& scratch);
    // The statement of a read: those in a key's order over every field are made once
    // (a lookup by key runs for each row of a page).
    const std::string& selectOf(const Order& order, const Query& q, const Selection& selection);
    // The fields the scan reads and its filter (left empty when it reads every field
    // of every row); false when it names what the file lacks.
    bool selectionOf(const ScanSpec& spec, const Order& order, Selection& out);
    bool beginWrite();
    void wrote();
    bool failed(int sqliteCode);
    bool failedConnection();
    bool fail(Error e, const std::string& text);
    void clearError();
    int64_t scalar(const std::string& sql, bool* isNull);

    Connection& c_;
    FileLayout layout_;
    Selection everything_;
    std::vector<Order> keyOrders_;
    std::unordered_map<uint64_t, std::string> keySelects_;
    std::string scratchSelect_;
    FileCore* own_;
    std::vector<std::unique_ptr<Buffers>> spare_;
    std::vector<std::string> folded_;
    std::vector<int> changedFields_;
    bool written_ = false;
    bool countKnown_ = false;
    int64_t count_ = 0;
    int64_t countVersion_ = 0;
    uint64_t countBatch_ = 0;  // the batch in which the count was last confirmed
    Error error_ = Error::None;
    std::string errorText_;
};

}  // namespace vx::store::detail
