#include "platform/qt/grouped_header.h"

#include <QPainter>

#include "platform/qt/qt_convert.h"

namespace vx::qt {

GroupedHeader::GroupedHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
}

void GroupedHeader::setGroups(std::vector<ui::ColumnGroup> groups) {
    groups_ = std::move(groups);
    updateGeometry();
    viewport()->update();
}

QSize GroupedHeader::sizeHint() const {
    QSize s = QHeaderView::sizeHint();
    if (!groups_.empty()) s.setHeight(s.height() * 2);
    return s;
}

const ui::ColumnGroup* GroupedHeader::groupOf(int column) const {
    for (const ui::ColumnGroup& g : groups_)
        if (column >= g.first && column < g.first + g.count) return &g;
    return nullptr;
}

void GroupedHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (groups_.empty()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    const int half = rect.height() / 2;
    const QRect top(rect.left(), rect.top(), rect.width(), half);
    const QRect bottom(rect.left(), rect.top() + half, rect.width(), rect.height() - half);
    QHeaderView::paintSection(painter, bottom, logicalIndex);

    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = top;
    opt.section = logicalIndex;
    if (const ui::ColumnGroup* g = groupOf(logicalIndex)) {
        // The heading spans the group; each section draws the part of it above itself.
        const int last = g->first + g->count - 1;
        const int left = sectionViewportPosition(g->first);
        const int right = sectionViewportPosition(last) + sectionSize(last);
        opt.rect = QRect(left, top.top(), right - left, half);
        opt.text = toQ(g->title);
        opt.textAlignment = Qt::AlignCenter;
    }
    painter->save();
    painter->setClipRect(top);
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
    painter->restore();
}

}  // namespace vx::qt
