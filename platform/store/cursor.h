#pragma once
// The reading position of a file handle: an order, the row last read, and rows
// read ahead in that direction. The read-ahead is dropped whenever the file has
// changed in the process since it was read, except by a write of the row last
// read itself, which leaves the rows after it as they were.

#include <cstdint>

#include "platform/store/table_core.h"

namespace vx::store::detail {

class Cursor {
public:
    explicit Cursor(const FileLayout& layout) : cache_(layout) {}

    // SET: a new order; the first NEXT (PREVIOUS) reads from `start`.
    void start(Order order, Anchor start);
    // Reads the next (backward: previous) row into `record`; false at the end or
    // on a failed read (the table's error tells).
    bool step(TableCore& t, uint64_t changes, bool backward, void* record, Position* pos);
    // True when no row follows the last one read, in the direction last read.
    bool atEnd(TableCore& t, uint64_t changes);
    // The last row read (0: none yet).
    Position current() const { return hasLast_ ? lastPos_ : 0; }
    // The row last read has been rewritten or removed by this handle: the rows read
    // ahead are still right if they were before (`before`: the count of changes then).
    void keepAhead(uint64_t before, uint64_t after);

private:
    bool refill(TableCore& t, uint64_t changes, bool backward);

    Order order_;
    Anchor start_;
    // The anchor after the last row read, worked out from its cached row only when
    // the cache is read again (folding its texts for every row would cost more).
    Anchor last_;
    std::size_t lastRow_ = 0;
    bool anchored_ = false;
    Position lastPos_ = 0;
    bool hasLast_ = false;
    RowCache cache_;
    std::size_t next_ = 0;
    bool backward_ = false;
    bool filled_ = false;
    uint64_t changes_ = 0;
};

}  // namespace vx::store::detail
