#include "platform/store/cursor.h"

namespace vx::store::detail {

void Cursor::start(Order order, Anchor start) {
    order_ = std::move(order);
    start_ = std::move(start);
    hasLast_ = false;
    filled_ = false;
    backward_ = false;
    cache_.clear();
    next_ = 0;
}

bool Cursor::refill(TableCore& t, uint64_t changes, bool backward) {
    if (hasLast_ && !anchored_) {
        t.anchorAt(order_, cache_, lastRow_, last_);
        anchored_ = true;
    }
    filled_ = t.fetch(order_, {}, hasLast_ ? last_ : start_, backward, kChunkRows, cache_);
    next_ = 0;
    backward_ = backward;
    changes_ = changes;
    return filled_;
}

bool Cursor::step(TableCore& t, uint64_t changes, bool backward, void* record, Position* pos) {
    const bool fresh = filled_ && changes == changes_ && backward == backward_;
    if ((!fresh || next_ >= cache_.size()) && !refill(t, changes, backward)) return false;
    if (next_ >= cache_.size()) return false;
    cache_.decode(next_, record);
    *pos = cache_.pos(next_);
    lastPos_ = *pos;
    lastRow_ = next_;
    anchored_ = false;
    hasLast_ = true;
    ++next_;
    return true;
}

bool Cursor::atEnd(TableCore& t, uint64_t changes) {
    if (filled_ && changes == changes_ && next_ < cache_.size()) return false;
    return !refill(t, changes, backward_) || cache_.size() == 0;
}

void Cursor::keepAhead(uint64_t before, uint64_t after) {
    if (filled_ && changes_ == before) changes_ = after;
}

}  // namespace vx::store::detail
