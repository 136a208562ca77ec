#pragma once
// Where a window opens: fully visible in the room it has (the screen or the
// frame's MDI area), cascaded from the windows already there, or centred on the
// window that asked for it.

#include <QRect>

namespace vx::qt {

// `r` moved (never resized) so as much of it as fits lies inside `room`; its
// top-left corner stays visible when it is larger than the room.
QRect pulledInside(QRect r, const QRect& room);

// The `n`-th cascade position of a window of `size` in `room`, stepping `step`
// pixels down and right; the cascade starts over where the window would leave the room.
QPoint cascaded(int n, const QSize& size, const QRect& room, int step);

// A window of `size` centred on `over`, then pulled inside `room`.
QRect centredOn(const QSize& size, const QRect& over, const QRect& room);

}  // namespace vx::qt
