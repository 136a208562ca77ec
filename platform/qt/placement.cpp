#include "platform/qt/placement.h"

#include <algorithm>

namespace vx::qt {

QRect pulledInside(QRect r, const QRect& room) {
    r.moveRight(std::min(r.right(), room.right()));
    r.moveBottom(std::min(r.bottom(), room.bottom()));
    r.moveLeft(std::max(r.left(), room.left()));
    r.moveTop(std::max(r.top(), room.top()));
    return r;
}

QPoint cascaded(int n, const QSize& size, const QRect& room, int step) {
    const int across = step > 0 ? (room.width() - size.width()) / step : 0;
    const int down = step > 0 ? (room.height() - size.height()) / step : 0;
    const int places = std::max(1, std::min(across, down) + 1);
    const int slot = std::max(0, n) % places;
    return room.topLeft() + QPoint(slot * step, slot * step);
}

QRect centredOn(const QSize& size, const QRect& over, const QRect& room) {
    QRect r(QPoint(0, 0), size);
    r.moveCenter(over.center());
    return pulledInside(r, room);
}

}  // namespace vx::qt
