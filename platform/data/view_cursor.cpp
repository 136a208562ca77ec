#include "platform/data/view_cursor.h"

#include <algorithm>

#include "platform/data/messages.h"

namespace vx::data {

ViewCursor::ViewCursor(View& view, int firstRows) : view_(view), firstRows_(firstRows) {}

int ViewCursor::next(int count, const View::Visitor& each) {
    if (ended_) return 0;
    if (!last_) {
        std::vector<ViewRow> rows = view_.read(nullptr, firstRows_, false, each);
        if (static_cast<int>(rows.size()) < firstRows_) ended_ = true;
        else last_ = std::move(rows.back());
        return static_cast<int>(rows.size());
    }
    FileManager& primary = view_.primary_;
    if (primary.useFile() != Level::Benign) {
        ended_ = true;
        return 0;
    }
    const ViewReading reading(view_);
    if (!positioned_ && !takePositions()) return 0;
    const std::vector<View::Term> terms = view_.orderTerms();
    int passed = 0;
    for (const std::size_t end = std::min(positions_.size(), next_ + std::max(count, 0)); next_ < end; ++next_) {
        const Position pos = positions_[next_];
        if (primary.reget(pos) != Level::Benign) {
            const store::Error error = primary.table().lastError();
            if (error == store::Error::RecordNotAvailable) continue;  // removed since the positions were taken
            // A record held by another station has been reported by the read itself.
            if (error != store::Error::Locked)
                raise(rt::MessageId::RetrievalError, primary.info().messageName, primary.table().lastErrorText());
            ended_ = true;
            return passed;
        }
        ViewRow row;
        if (!view_.admit(pos, terms, row)) continue;
        ++passed;
        if (each) each(row);
    }
    if (next_ == positions_.size()) {
        ended_ = true;
        positions_ = {};
    }
    return passed;
}

bool ViewCursor::takePositions() {
    positioned_ = true;
    store::ScanSpec spec = view_.baseSpec();
    spec.afterValues = last_->orderValues;
    spec.afterPosition = last_->pos;
    store::Table& table = view_.primary_.table();
    positions_ = table.positions(spec);
    if (table.lastError() == store::Error::None) return true;
    raise(rt::MessageId::RetrievalError, view_.primary_.info().messageName, table.lastErrorText());
    ended_ = true;
    return false;
}

}  // namespace vx::data
