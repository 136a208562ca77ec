#pragma once
// The SELECTs that read a file in an order, a chunk at a time.
//
// A read that goes on after a row is split in two: first the rows tied with it
// (equal order values, later positions), then the rows strictly beyond its values.
// Each half is one index range, so paging stays fast inside long runs of equal
// values (a key whose blank entries are kept, with thousands of zeros).

#include <string>
#include <vector>

#include "platform/store/layout.h"
#include "platform/store/record_file.h"
#include "platform/store/scan_filter.h"

namespace vx::store::detail {

struct OrderColumn {
    int field;
    std::string expr;  // the column as compared: a key column, or the text under the no-case collation
    bool folded;       // compared through the folded key column
    bool descending;
};

struct Order {
    std::vector<OrderColumn> columns;  // empty: record order
    std::string entryCondition;        // a key's: its blank entries are left out
    int key = -1;                      // the key whose order this is, with no terms after it
};

// What a read takes besides its order: the fields it selects and the rows it leaves out.
struct Selection {
    std::vector<int> fields;  // in layout order
    std::string columns;      // pos, then those fields
    Filter filter;
};
// `fields` (empty: every one) and those of the order, unfiltered.
Selection selectionOf(const FileLayout& layout, const Order& order, const std::vector<int>& fields);

Order keyOrder(const FileLayout& layout, int key);
Order termOrder(const FileLayout& layout, const std::vector<OrderTerm>& terms);

enum class Bound {
    Start,   // from the start (backward: the end)
    From,    // at or after the compared values
    Ties,    // equal to every column's value, after the position
    Beyond,  // strictly after the compared values
};

struct Query {
    Bound bound = Bound::Start;
    std::size_t equal = 0;  // leading columns fixed by equality
    std::size_t first = 0;  // From, Beyond: first compared column
    std::size_t count = 0;  // From, Beyond: compared columns; Ties: every column
    bool backward = false;
    bool wholeFile = false;  // through no index: the file in record order, then sorted
    // False: every row, with no LIMIT. SQLite sorts a read with a limit through a
    // b-tree it inserts each row into, one without through its merge sorter.
    bool limited = true;
};

// Parameters, numbered: the filter's values, the equality values, the compared
// values, then for Ties the position, and last the limit (when limited).
std::string selectSql(const FileLayout& layout, const Order& order, const Query& q, const Selection& selection);

}  // namespace vx::store::detail
