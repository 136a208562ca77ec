#include "platform/qt/drop_box.h"

#include <algorithm>

#include <QHeaderView>
#include <QMouseEvent>
#include <QWheelEvent>

#include "platform/qt/list_table_model.h"

namespace vx::qt {

DropRows::DropRows(QWidget* parent) : QTableView(parent) {
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(false);
    setWordWrap(false);
    horizontalHeader()->setStretchLastSection(true);
    setMouseTracking(true);
}

QModelIndex DropRows::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const int rows = model() ? model()->rowCount() : 0;
    const int column = std::max(0, currentIndex().column());
    if (rows > 0 && action == MoveHome) return model()->index(0, column);
    if (rows > 0 && action == MoveEnd) return model()->index(rows - 1, column);
    return QTableView::moveCursor(action, modifiers);
}

// The combo box chooses its popup's current row when the button comes up; the wheel
// moves the rows without moving the pointer, so the row under it is made current here.
void DropRows::mousePressEvent(QMouseEvent* e) {
    if (const QModelIndex at = indexAt(e->position().toPoint()); at.isValid())
        selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QTableView::mousePressEvent(e);
}

void DropRows::mouseReleaseEvent(QMouseEvent* e) {
    if (const QModelIndex at = indexAt(e->position().toPoint()); at.isValid() && at.row() != currentIndex().row())
        selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QTableView::mouseReleaseEvent(e);
}

DropBox::DropBox() : rows_(new DropRows(this)) {
    setView(rows_);
    // The list's own cell painting: the combo box's menu look indents and clips the first column.
    rows_->setItemDelegate(new CellDelegate(rows_));
    setFocusPolicy(Qt::StrongFocus);
}

void DropBox::showPopup() {
    QComboBox::showPopup();
    markCurrent();
}

void DropBox::markCurrent() {
    if (currentIndex() < 0) return;
    const QModelIndex current = model()->index(currentIndex(), modelColumn());
    rows_->selectionModel()->setCurrentIndex(current,
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    rows_->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

// A turn of the wheel over a closed box never changes its choice.
void DropBox::wheelEvent(QWheelEvent* e) { e->ignore(); }

}  // namespace vx::qt
