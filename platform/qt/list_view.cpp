#include "platform/qt/list_view.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>

#include "platform/qt/entry_width.h"
#include "platform/qt/key_translation.h"
#include "platform/qt/qt_convert.h"

namespace vx::qt {

namespace {

// A list's line height is given in points; never less than the font needs.
int rowHeightPx(const QWidget& w, int lineHeight) {
    const int fontNeeds = w.fontMetrics().height() + 4;
    if (lineHeight <= 0) return fontNeeds;
    return std::max(fontNeeds, lineHeight * w.logicalDpiY() / 72);
}

// The page size follows the view's height, so a minimum of a whole page would let a
// list grow but never shrink again; a few rows stay visible however small the window.
constexpr int kFewestRows = 3;
// Wide column sets scroll sideways instead of making the window wider than a screen.
constexpr int kWidestChars = 90;
// Room beside a column title for the header's margins and its sort arrow.
constexpr int kTitleAir = 28;

}  // namespace

int RowTable::rowsThatFit() const {
    const int h = verticalHeader()->defaultSectionSize();
    return std::max(1, viewport()->height() / std::max(1, h));
}

void RowTable::setPageRows(int rows) {
    if (rows == pageRows_) return;
    pageRows_ = rows;
    updateGeometry();
}

QSize RowTable::sizeHint() const {
    const int frame = 2 * frameWidth();
    const int widest = kWidestChars * fontMetrics().averageCharWidth();
    const int columns = horizontalHeader()->length();
    const int sideways = columns > widest ? horizontalScrollBar()->sizeHint().height() : 0;
    const int rows = pageRows_ * verticalHeader()->defaultSectionSize();
    return {std::min(columns, widest) + frame, horizontalHeader()->sizeHint().height() + rows + sideways + frame};
}

void RowTable::keepAcross(int position) {
    updateGeometries();
    horizontalScrollBar()->setValue(position);
}

void RowTable::report(QMouseEvent* e, bool doubleClick) {
    setFocus(Qt::MouseFocusReason);
    if (!handlers_.click) return;
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) return;
    const auto button = e->button() == Qt::RightButton ? ui::MouseButton::Right : ui::MouseButton::Left;
    // A click where the list shows no row still reaches the window (Ctrl+click on an empty list).
    const QPoint point = e->position().toPoint();
    const QModelIndex at = indexAt(point);
    const int row = at.isValid() ? at.row() : ui::input::kNoRow;
    const int column = at.isValid() ? at.column() : std::max(0, columnAt(point.x()));
    handlers_.click(row, column, modsOf(e->modifiers()), button, doubleClick);
}

void RowTable::mousePressEvent(QMouseEvent* e) { report(e, false); }

void RowTable::mouseDoubleClickEvent(QMouseEvent* e) { report(e, e->button() == Qt::LeftButton); }

void RowTable::wheelEvent(QWheelEvent* e) {
    const int dy = e->angleDelta().y();
    if (dy != 0 && handlers_.scroll) handlers_.scroll(dy > 0 ? ui::EventKind::ScrollUp : ui::EventKind::ScrollDown);
    e->accept();
}

void RowTable::resizeEvent(QResizeEvent* e) {
    QTableView::resizeEvent(e);
    if (handlers_.resized && isVisible()) handlers_.resized(rowsThatFit());
}

ListView::ListView(QWidget* parent, ListHandlers handlers)
    : QWidget(parent), handlers_(std::move(handlers)), table_(new RowTable(this, handlers_)),
      header_(new GroupedHeader(table_)), bar_(new QScrollBar(Qt::Vertical, this)), model_(new ListTableModel(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(table_, 1);
    layout->addWidget(bar_);
    table_->setHorizontalHeader(header_);
    table_->setModel(model_);
    table_->setItemDelegate(new CellDelegate(table_));
    table_->verticalHeader()->hide();
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->setIconSize(QSize(16, 16));
    setFocusProxy(table_);
    bar_->setRange(0, 100);
    bar_->setPageStep(10);
    connect(bar_, &QScrollBar::actionTriggered, this, [this](int a) { scrollAction(a); });
    connect(bar_, &QScrollBar::sliderReleased, this, [this] {
        if (handlers_.drag) handlers_.drag(bar_->value());
    });
    connect(header_, &QHeaderView::sectionClicked, this, [this](int column) {
        if (handlers_.header) handlers_.header(column, false);
    });
    connect(header_, &QHeaderView::sectionHandleDoubleClicked, this, [this](int column) {
        if (handlers_.header) handlers_.header(column, true);
    });
}

void ListView::scrollAction(int action) {
    if (!handlers_.scroll) return;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: handlers_.scroll(ui::EventKind::ScrollDown); break;
    case QAbstractSlider::SliderSingleStepSub: handlers_.scroll(ui::EventKind::ScrollUp); break;
    case QAbstractSlider::SliderPageStepAdd: handlers_.scroll(ui::EventKind::PageDown); break;
    case QAbstractSlider::SliderPageStepSub: handlers_.scroll(ui::EventKind::PageUp); break;
    case QAbstractSlider::SliderToMinimum: handlers_.scroll(ui::EventKind::ScrollTop); break;
    case QAbstractSlider::SliderToMaximum: handlers_.scroll(ui::EventKind::ScrollBottom); break;
    default: break;
    }
}

void ListView::sync(const ui::ListControl& list) {
    const ui::ListModel& m = list.model();
    // Where the user scrolled the columns to stays, whatever the owner refilled.
    const int across = table_->horizontalScrollBar()->value();
    table_->setFont(mergedFont(QFont(), m.font()));
    model_->show(&m);
    header_->setGroups(m.groups());
    header_->setVisible(m.columnCount() > 0);

    for (int c = 0; c < m.columnCount(); ++c) {
        const ui::ListColumn& col = m.columns()[c];
        header_->setSectionResizeMode(c, col.resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
        // A column of icons has room for the icon beside its text.
        const int iconRoom = col.icons ? table_->iconSize().width() + 6 : 0;
        if (col.width > 0) header_->resizeSection(c, charsWidth(table_->fontMetrics(), col.width) + 12 + iconRoom);
        else table_->resizeColumnToContents(c);
        // A column is never narrower than its title (and the sort arrow beside it).
        const int titleRoom = header_->fontMetrics().horizontalAdvance(toQ(col.title)) + kTitleAir;
        if (!col.title.empty() && header_->sectionSize(c) < titleRoom) header_->resizeSection(c, titleRoom);
    }
    header_->setStretchLastSection(true);
    // The arrow of the column sort; a header shows one only when asked to.
    const bool sorted = m.sortColumn() >= 0;
    if (header_->isSortIndicatorShown() != sorted) header_->setSortIndicatorShown(sorted);
    if (sorted) {
        const Qt::SortOrder order = m.sortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder;
        if (header_->sortIndicatorSection() != m.sortColumn() || header_->sortIndicatorOrder() != order)
            header_->setSortIndicator(m.sortColumn(), order);
    }
    table_->verticalHeader()->setDefaultSectionSize(rowHeightPx(*table_, m.lineHeight()));
    table_->setPageRows(list.pageSize());
    table_->setMinimumHeight(header_->sizeHint().height() +
                             kFewestRows * table_->verticalHeader()->defaultSectionSize() + 2 * table_->frameWidth());

    const bool whole = list.wholeRowHighlight();
    table_->setSelectionBehavior(whole ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    table_->clearSelection();
    if (m.current() >= 0) {
        const QModelIndex at =
            model_->index(m.current(), whole ? 0 : std::min(list.mouseColumn(), m.columnCount() - 1));
        const auto flags =
            QItemSelectionModel::ClearAndSelect | (whole ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate);
        table_->selectionModel()->setCurrentIndex(at, flags);
    }
    table_->keepAcross(across);
    const QSignalBlocker quiet(bar_);
    bar_->setValue(list.scrollPosition());
}

}  // namespace vx::qt
