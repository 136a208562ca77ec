#include "platform/store/table_core.h"

#include <algorithm>

#include "platform/store/file_core.h"

namespace vx::store::detail {

namespace {

bool sameCells(const std::vector<Cell>& a, const std::vector<Cell>& b, std::size_t n) {
    if (a.size() < n || b.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (a[i].number != b[i].number || a[i].text != b[i].text) return false;
    return true;
}

}  // namespace

TableCore::TableCore(Connection& c, const FileDef& def, const std::string& schema, FileCore* own)
    : c_(c), layout_(def, schema), everything_(detail::selectionOf(layout_, Order{}, {})), own_(own) {
    for (int k = 0; k < static_cast<int>(def.keys.size()); ++k) keyOrders_.push_back(keyOrder(layout_, k));
}

TableCore::~TableCore() = default;

std::unique_ptr<TableCore::Buffers> TableCore::takeBuffers() {
    if (spare_.empty()) return std::make_unique<Buffers>(layout_);
    std::unique_ptr<Buffers> b = std::move(spare_.back());
    spare_.pop_back();
    return b;
}

void TableCore::giveBack(std::unique_ptr<Buffers> b) { spare_.push_back(std::move(b)); }

void TableCore::clearError() {
    error_ = Error::None;
    errorText_.clear();
}

bool TableCore::fail(Error e, const std::string& text) {
    error_ = e;
    errorText_ = text;
    return false;
}

bool TableCore::failed(int sqliteCode) {
    c_.fail(sqliteCode);
    return failedConnection();
}

bool TableCore::failedConnection() { return fail(c_.error(), errorText(c_.error()) + " (" + c_.errorText() + ")"); }

int64_t TableCore::scalar(const std::string& sql, bool* isNull) {
    Statement s = c_.prepare(sql);
    if (!s) {
        failedConnection();
        *isNull = true;
        return 0;
    }
    const int rc = s.step();
    if (rc != SQLITE_ROW) {
        failed(rc);
        *isNull = true;
        return 0;
    }
    *isNull = sqlite3_column_type(s.get(), 0) == SQLITE_NULL;
    return sqlite3_column_int64(s.get(), 0);
}

bool TableCore::readRow(Position pos, RowCache& out) {
    out.clear();
    Statement s = c_.prepare(layout_.readSql);
    if (!s) return failedConnection();
    s.bind(1, pos);
    const int rc = s.step();
    if (rc == SQLITE_DONE) return fail(Error::RecordNotAvailable, errorText(Error::RecordNotAvailable));
    if (rc != SQLITE_ROW) return failed(rc);
    out.append(s.get());
    return true;
}

bool TableCore::read(Position pos, void* record) {
    clearError();
    std::unique_ptr<Buffers> b = takeBuffers();
    const bool found = readRow(pos, b->cache);
    if (found) b->cache.decode(0, record);
    giveBack(std::move(b));
    return found;
}

bool TableCore::beginWrite() {
    clearError();
    if (!own_) return true;
    return own_->beginWrite(&error_, &errorText_);
}

void TableCore::wrote() {
    written_ = true;
    if (own_) own_->wrote();
}

std::optional<Position> TableCore::insert(const void* record) {
    if (!beginWrite()) return std::nullopt;
    Statement s = c_.prepare(layout_.insertSql);
    if (!s) {
        failedConnection();
        return std::nullopt;
    }
    bindRecord(s, layout_, record, folded_);
    const int rc = s.step();
    if (rc != SQLITE_DONE) {
        failed(rc);
        return std::nullopt;
    }
    const Position pos = sqlite3_last_insert_rowid(c_.handle());
    if (countKnown_) ++count_;
    wrote();
    return pos;
}

bool TableCore::update(Position pos, const void* record) {
    if (!beginWrite()) return false;
    // Only the fields that differ are written: SQLite then leaves the indexes of
    // unchanged keys alone, which is most of the cost of a rewrite.
    std::unique_ptr<Buffers> b = takeBuffers();
    const bool found = readRow(pos, b->cache);
    std::vector<int>& changed = changedFields_;
    changed.clear();
    for (int f = 0; found && f < static_cast<int>(def().fields.size()); ++f)
        if (differs(layout_, f, b->cache.cell(0, f), record)) changed.push_back(f);
    giveBack(std::move(b));
    if (!found) return false;
    if (changed.empty()) return true;
    Statement s = c_.prepare(layout_.updateSql(changed));
    if (!s) return failedConnection();
    folded_.resize(def().fields.size());
    int p = 1;
    for (int f : changed) p = bindField(s, p, layout_, f, record, folded_[f]);
    s.bind(p, pos);
    const int rc = s.step();
    if (rc != SQLITE_DONE) return failed(rc);
    wrote();
    return true;
}

bool TableCore::remove(Position pos) {
    if (!beginWrite()) return false;
    Statement s = c_.prepare(layout_.deleteSql);
    if (!s) return failedConnection();
    s.bind(1, pos);
    const int rc = s.step();
    if (rc != SQLITE_DONE) return failed(rc);
    if (sqlite3_changes(c_.handle()) == 0) return fail(Error::RecordNotAvailable, errorText(Error::RecordNotAvailable));
    if (countKnown_) --count_;
    wrote();
    return true;
}

int64_t TableCore::count() {
    clearError();
    bool isNull = false;
    if (!own_) return scalar("SELECT count(*) FROM " + layout_.records, &isNull);
    // RECORDS is asked once per imported row: the count is kept while no other
    // connection has changed the file. Inside our batch none can; otherwise
    // data_version tells.
    const uint64_t batch = own_->batch();
    if (countKnown_ && batch != 0 && batch == countBatch_) return count_;
    const int64_t version = scalar("PRAGMA main.data_version", &isNull);
    if (error_ != Error::None) return 0;
    if (countKnown_ && version == countVersion_) {
        countBatch_ = batch;
        return count_;
    }
    const int64_t n = scalar("SELECT count(*) FROM " + layout_.records, &isNull);
    if (error_ != Error::None) return 0;
    count_ = n;
    countVersion_ = version;
    countBatch_ = batch;
    countKnown_ = true;
    return n;
}

Decimal TableCore::highest(int field) {
    clearError();
    if (field < 0 || field >= static_cast<int>(def().fields.size()) || layout_.isText(field)) {
        fail(Error::Other, "not a numeric field");
        return Decimal();
    }
    const std::string maxOf = "SELECT max(" + layout_.column(field) + ") FROM " + layout_.records;
    // A one-field key that leaves zeros out has the highest non-zero value at its
    // end; only when that is negative can a zero left out of it be the highest.
    std::string entries;
    for (const KeyDef& k : def().keys)
        if (k.fields.size() == 1 && k.fields[0] == field && !k.blanksKept) entries = layout_.entryCondition(k);
    bool isNull = false;
    int64_t m = scalar(entries.empty() ? maxOf : maxOf + " WHERE " + entries, &isNull);
    if (!entries.empty() && !isNull && m < 0) m = scalar(maxOf, &isNull);
    if (isNull) m = 0;
    if (def().fields[field].type == FieldType::Decimal) return Decimal::fromMantissa(m, def().fields[field].places);
    return Decimal(static_cast<long long>(m));
}

const Order* TableCore::orderOf(const ScanSpec& spec, Order& scratch) {
    const int fields = static_cast<int>(def().fields.size());
    const bool known = spec.keyIndex < static_cast<int>(def().keys.size()) &&
                       std::all_of(spec.terms.begin(), spec.terms.end(),
                                   [&](const OrderTerm& t) { return t.field >= 0 && t.field < fields; });
    if (!known) {
        fail(Error::Other, "no such key or field in the order");
        return nullptr;
    }
    const Order* order = &scratch;
    if (spec.keyIndex >= 0 && spec.terms.empty()) {
        order = &keyOrders_[spec.keyIndex];
    } else {
        scratch = termOrder(layout_, spec.terms);
        if (spec.keyIndex >= 0) {
            Order key = keyOrders_[spec.keyIndex];
            key.key = -1;
            key.columns.insert(key.columns.end(), scratch.columns.begin(), scratch.columns.end());
            scratch = std::move(key);
        }
    }
    if (spec.equal.size() > order->columns.size()) {
        fail(Error::Other, "more fixed values than order fields");
        return nullptr;
    }
    return order;
}

const std::string& TableCore::selectOf(const Order& order, const Query& q, const Selection& selection) {
    if (order.key < 0 || &selection != &everything_) return scratchSelect_ = selectSql(layout_, order, q, selection);
    // Every part of the shape is below 64: a key has at most a few components.
    const uint64_t shape = static_cast<uint64_t>(order.key) << 32 | static_cast<uint64_t>(q.bound) << 24 |
                           q.equal << 18 | q.first << 12 | q.count << 6 | (q.limited ? 0 : 4) | (q.wholeFile ? 2 : 0) |
                           (q.backward ? 1 : 0);
    auto [it, added] = keySelects_.try_emplace(shape);
    if (added) it->second = selectSql(layout_, order, q, selection);
    return it->second;
}

bool TableCore::selectionOf(const ScanSpec& spec, const Order& order, Selection& out) {
    if (spec.fields.empty() && spec.where.empty()) return true;
    for (int f : spec.fields)
        if (f < 0 || f >= static_cast<int>(def().fields.size())) return fail(Error::Other, "no such field to read");
    out = detail::selectionOf(layout_, order, spec.fields);
    std::string problem;
    return filterOf(layout_, spec.where, out.filter, &problem) || fail(Error::Other, problem);
}

std::vector<Cell> TableCore::cellsOf(const Order& order, const std::vector<Value>& values) const {
    std::vector<Cell> cells;
    const std::size_t n = std::min(values.size(), order.columns.size());
    cells.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        cells.push_back(cellOf(layout_, order.columns[i].field, order.columns[i].folded, values[i]));
    return cells;
}

std::vector<Cell> TableCore::keyCells(const Order& order, const void* record) const {
    std::vector<Cell> cells;
    cells.reserve(order.columns.size());
    for (const OrderColumn& c : order.columns)
        cells.push_back(cellOf(layout_, c.field, c.folded, getField(def().fields[c.field], record)));
    return cells;
}

void TableCore::anchorAt(const Order& order, const RowCache& cache, std::size_t row, Anchor& out) const {
    out.kind = Anchor::Kind::After;
    out.values.resize(order.columns.size());
    for (std::size_t i = 0; i < order.columns.size(); ++i)
        columnCell(cache.cell(row, order.columns[i].field), order.columns[i].folded, out.values[i]);
    out.pos = cache.pos(row);
}

bool TableCore::run(const Order& order, const Query& q, const std::vector<Cell>& equal, const Anchor& anchor,
                    std::size_t firstValue, int limit, const Selection& selection, const RowSink& row) {
    Statement s = c_.prepare(selectOf(order, q, selection));
    if (!s) return failedConnection();
    bindFilter(s, layout_, selection.filter);
    int p = 1 + static_cast<int>(selection.filter.values.size());
    for (std::size_t i = 0; i < q.equal; ++i) bindCell(s, p++, layout_, order.columns[i].field, equal[i]);
    const std::size_t compared = q.bound == Bound::Start ? 0 : q.count;
    for (std::size_t i = 0; i < compared; ++i)
        bindCell(s, p++, layout_, order.columns[q.first + i].field, anchor.values[firstValue + i]);
    if (q.bound == Bound::Ties) s.bind(p++, anchor.pos);
    if (q.limited) s.bind(p, static_cast<int64_t>(limit));
    int rc;
    while ((rc = s.step()) == SQLITE_ROW) row(s.get());
    return rc == SQLITE_DONE || failed(rc);
}

bool TableCore::fetch(const Order& order, const std::vector<Cell>& equal, const Anchor& anchor, bool backward,
                      int limit, RowCache& out, const Selection* selection) {
    clearError();
    out.clear();
    if (limit <= 0) return true;
    const Selection& sel = selection ? *selection : everything_;
    return select(order, equal, anchor, backward, limit, sel, [&](sqlite3_stmt* s) { out.append(s, sel.fields); });
}

bool TableCore::select(const Order& order, const std::vector<Cell>& equal, const Anchor& anchor, bool backward,
                       int limit, const Selection& sel, const RowSink& row) {
    int taken = 0;
    const RowSink counted = [&](sqlite3_stmt* s) {
        ++taken;
        row(s);
    };
    Query q;
    q.equal = equal.size();
    q.backward = backward;
    // No LIMIT when every row is wanted: with one SQLite sorts through a temporary b-tree
    // instead of its merge sorter.
    q.limited = limit >= 0;
    const std::size_t n = std::min(anchor.values.size(), order.columns.size());
    // Compared values that repeat the fixed ones add nothing and would keep SQLite
    // from using the rest of the key's index.
    const std::size_t fixed = sameCells(equal, anchor.values, equal.size()) ? equal.size() : 0;
    switch (anchor.kind) {
    case Anchor::Kind::Start: return run(order, q, equal, anchor, 0, limit, sel, counted);
    case Anchor::Kind::From:
        if (n <= fixed) return run(order, q, equal, anchor, 0, limit, sel, counted);
        q.bound = Bound::From;
        q.first = fixed;
        q.count = n - fixed;
        return run(order, q, equal, anchor, fixed, limit, sel, counted);
    case Anchor::Kind::After:
        if (n == order.columns.size()) {
            q.bound = Bound::Ties;
            q.count = n;
            if (!run(order, q, equal, anchor, 0, limit, sel, counted)) return false;
        }
        if (n <= fixed || (limit >= 0 && taken >= limit)) return true;
        q.bound = Bound::Beyond;
        q.first = fixed;
        q.count = n - fixed;
        return run(order, q, equal, anchor, fixed, limit < 0 ? limit : limit - taken, sel, counted);
    }
    return true;
}

std::vector<Position> TableCore::scan(const ScanSpec& spec, const std::function<bool(Position, const void*)>& each) {
    clearError();
    std::vector<Position> positions;
    Order scratch;
    const Order* ordered = orderOf(spec, scratch);
    Selection chosen;
    if (!ordered || !selectionOf(spec, *ordered, chosen)) return positions;
    const Order& order = *ordered;
    const Selection& selection = spec.fields.empty() && spec.where.empty() ? everything_ : chosen;
    const std::vector<Cell> equal = cellsOf(order, spec.equal);
    Anchor anchor = anchorOf(order, spec);
    if (spec.atOnce) {
        if (anchor.kind != Anchor::Kind::Start) fail(Error::Other, "a scan at once starts at the start");
        else scanAtOnce(spec, order, equal, selection, each, positions);
        return positions;
    }
    std::unique_ptr<Buffers> b = takeBuffers();
    for (;;) {
        int want = kChunkRows;
        if (spec.limit > 0)
            want = std::min(std::max(want, std::min(spec.limit, kLargestChunkRows)),
                            spec.limit - static_cast<int>(positions.size()));
        if (!fetch(order, equal, anchor, spec.backward, want, b->cache, &selection)) break;
        bool more = true;
        for (std::size_t r = 0; r < b->cache.size() && more; ++r) {
            b->cache.decode(r, b->record, selection.fields);
            positions.push_back(b->cache.pos(r));
            more = !each || each(b->cache.pos(r), b->record);
        }
        const bool limitReached = spec.limit > 0 && static_cast<int>(positions.size()) >= spec.limit;
        if (!more || limitReached || static_cast<int>(b->cache.size()) < want) break;
        anchorAt(order, b->cache, b->cache.size() - 1, anchor);
    }
    giveBack(std::move(b));
    return positions;
}

void TableCore::scanAtOnce(const ScanSpec& spec, const Order& order, const std::vector<Cell>& equal,
                           const Selection& selection, const std::function<bool(Position, const void*)>& each,
                           std::vector<Position>& positions) {
    Query q;
    q.equal = equal.size();
    q.backward = spec.backward;
    q.wholeFile = true;
    q.limited = spec.limit > 0;
    // Buffers of its own: the rows of a whole file are not kept for later reads.
    Buffers whole(layout_);
    const RowSink into = [&](sqlite3_stmt* s) { whole.cache.append(s, selection.fields); };
    if (!run(order, q, equal, Anchor{}, 0, spec.limit, selection, into)) return;
    for (std::size_t r = 0; r < whole.cache.size(); ++r) {
        whole.cache.decode(r, whole.record, selection.fields);
        positions.push_back(whole.cache.pos(r));
        if (each && !each(whole.cache.pos(r), whole.record)) return;
    }
}

Anchor TableCore::anchorOf(const Order& order, const ScanSpec& spec) const {
    Anchor anchor;
    if (spec.afterValues) {
        anchor.kind = Anchor::Kind::After;
        anchor.values = cellsOf(order, *spec.afterValues);
        anchor.pos = spec.afterPosition;
    } else if (spec.fromValues) {
        anchor.kind = Anchor::Kind::From;
        anchor.values = cellsOf(order, *spec.fromValues);
    }
    return anchor;
}

std::vector<Position> TableCore::positions(const ScanSpec& spec) {
    clearError();
    std::vector<Position> out;
    Order scratch;
    const Order* order = orderOf(spec, scratch);
    Selection chosen;
    if (!order || !selectionOf(spec, *order, chosen)) return out;
    // Only the positions: SQLite sorts the order's columns and pos, not whole records.
    const Selection positionsOnly{{}, "pos", std::move(chosen.filter)};
    const bool read = select(*order, cellsOf(*order, spec.equal), anchorOf(*order, spec), spec.backward,
                             spec.limit > 0 ? spec.limit : -1, positionsOnly,
                             [&](sqlite3_stmt* s) { out.push_back(sqlite3_column_int64(s, 0)); });
    if (!read) out.clear();
    return out;
}

bool TableCore::unchanged(Position pos, const void* snapshot) {
    std::unique_ptr<Buffers> b = takeBuffers();
    const bool same = read(pos, b->record) && sameRecord(def(), b->record, snapshot);
    giveBack(std::move(b));
    return same;
}

}  // namespace vx::store::detail
