#pragma once
// A view over one thread's files: the rows of a primary file in the order of a
// key, of the records or of an order text, optionally ranged (leading order
// components fixed), with parent records joined per row and a filter over the
// bound names. Rows are read page by page in either direction into the thread's
// record buffers, so whoever reads a row finds it (and its parents) there.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/value.h"
#include "platform/data/file_manager.h"
#include "platform/expr/expression.h"
#include "platform/runtime/threads.h"

namespace vx::data {

// A row of a view: where its primary record is and its values of the view's order.
struct ViewRow {
    Position pos = 0;
    std::vector<Value> orderValues;
};

class View {
public:
    using Visitor = std::function<void(const ViewRow&)>;

    explicit View(FileManager& primary);
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // The order: a key of the primary file (whose blank entries it leaves out as the
    // key says), the record order, or an order text over the primary's fields.
    void orderByKey(int keyIndex);
    void orderByRecord();
    std::optional<expr::ExprError> orderBy(std::string_view orderText);
    // Terms after the current order's own (ties of a key order).
    std::optional<expr::ExprError> appendOrder(std::string_view orderText);

    // The leading order components are fixed to these values, read at every fill.
    void setRange(std::vector<std::function<Value()>> values);
    // ... to fields of a parent file's current record.
    void setRangeToParent(const FileManager& parent, const std::vector<std::string>& parentFields);
    void clearRange() { range_.clear(); }
    // The range's values now (a list follows its parent when they change).
    std::vector<Value> rangeValues() const;

    // Per row, the parent's record whose key `parentKey` equals the fields `fromFields`
    // of `from` (the primary when null, or a file joined before); a missing parent
    // leaves its record cleared and the row is kept.
    void join(FileManager& parent, int parentKey, std::vector<std::string> fromFields,
              const FileManager* from = nullptr);

    // Consecutive rows with the same link values keep the parent records read for the
    // first of them instead of reading them again: for a reader that changes no parent
    // buffer between rows (a report); a list whose forms edit parents leaves it off.
    void reuseParents(bool on) { reuseParents_ = on; }

    // A filter over the fields of the view's files (joins added before it) and the
    // names of `names`; an empty text shows every row. An error leaves the view
    // without a filter.
    std::optional<expr::ExprError> setFilter(std::string_view text, const expr::Bindings* names = nullptr);

    // Makes the files ready; Benign, or the level of a reported failure.
    Level open();

    // Up to `count` rows after `from` (before it, backward), from the start (end)
    // when there is none. Each row is in the buffers when `each` sees it. Rows come
    // in reading order: nearest to `from` first.
    std::vector<ViewRow> read(const ViewRow* from, int count, bool backward, const Visitor& each = {});
    std::vector<ViewRow> firstPage(int count, const Visitor& each = {}) { return read(nullptr, count, false, each); }
    std::vector<ViewRow> lastPage(int count, const Visitor& each = {}) { return read(nullptr, count, true, each); }
    // Rows from the first whose first free order component is >= value (a locator).
    std::vector<ViewRow> locate(const Value& value, int count, const Visitor& each = {});
    // Puts a row read earlier back into the buffers; Notify when its record is gone.
    Level load(const ViewRow& row);

    // The open files of the view: the primary and the parents joined.
    std::vector<std::shared_ptr<store::Database>> databases() const;

private:
    friend class ViewCursor;
    struct Join {
        FileManager* parent;
        int key;
        std::vector<int> fromFields;
        const FileManager* from;
        std::vector<Value> last{};  // the link values of the parent record in the buffer
        bool known = false;
    };
    struct Term {
        int field;
        bool descending;
    };

    std::optional<expr::ExprError> parseTerms(std::string_view text, std::vector<Term>& out) const;
    store::ScanSpec baseSpec() const;
    std::vector<Term> orderTerms() const;
    void joinParents();
    // The primary's buffer's values of the terms.
    std::vector<Value> valuesOf(const std::vector<Term>& terms) const;
    // The row in the primary's buffer, its parents joined; false when the filter leaves it out.
    bool admit(Position pos, const std::vector<Term>& terms, ViewRow& row);
    std::vector<ViewRow> scan(store::ScanSpec spec, int count, const Visitor& each);

    FileManager& primary_;
    int key_ = -1;
    std::vector<Term> terms_;  // the order text, or the terms appended to the key
    std::vector<std::function<Value()>> range_;
    std::vector<Join> joins_;
    std::optional<expr::Expression> filter_;
    bool reuseParents_ = false;
};

// The reads of a fill (a page's rows, their parents, and the loads of the rows
// after it) in one read transaction on each file of the view, ended early when
// the thread suspends (a message shown meanwhile, ...).
class ViewReading {
public:
    explicit ViewReading(const View& view);
    ~ViewReading();
    ViewReading(const ViewReading&) = delete;
    ViewReading& operator=(const ViewReading&) = delete;

private:
    store::ReadSpan span_;
    rt::HookId suspending_;
};

}  // namespace vx::data
