#pragma once
// A view read once from its start to its end, a step at a time, by a reader whose
// steps lie between waits for events (a report laid out at the ticks of a timer).
//
//   ViewCursor rows(view, 1024);
//   while (!rows.ended()) rows.next(256, each);   // each row in the buffers when `each` sees it
//
// The first rows come from a read of their own, so they wait for no sort of the
// whole file. At the next step one query takes the positions of every row after
// them in the view's order, so a file in an order no key gives is sorted once,
// not once a read; the rows are then read by position. No read transaction lasts
// past a step. Of the rows other stations write meanwhile, one removed is left
// out, one changed shows its new values in its old place and one added after the
// positions were taken is not seen. The view's filter, joins and range apply as
// to every read.

#include <optional>
#include <vector>

#include "platform/data/view.h"

namespace vx::data {

class ViewCursor {
public:
    ViewCursor(View& view, int firstRows);

    // The next rows of the order: the first rows at the first step, else up to `count`
    // rows read by position. Answers how many of them passed the filter (and went to `each`).
    int next(int count, const View::Visitor& each);
    // No row is left, or a failed read ended the reading (and was reported).
    bool ended() const { return ended_; }

private:
    bool takePositions();

    View& view_;
    int firstRows_;
    std::optional<ViewRow> last_;  // of the first rows, once read
    std::vector<Position> positions_;
    bool positioned_ = false;
    std::size_t next_ = 0;
    bool ended_ = false;
};

}  // namespace vx::data
