#pragma once
// The widget of a drop list or drop combo: a combo box whose popup shows the
// list's rows as a table. The popup opens on the current entry, highlighted;
// its keys (arrows, Page keys, Home/End, type-ahead, Enter) are Qt's own; the
// wheel only scrolls (over the closed box it scrolls what holds the box); a
// click chooses the row under the pointer, wherever the wheel left the rows.

#include <QComboBox>
#include <QTableView>

namespace vx::qt {

class DropRows : public QTableView {
public:
    explicit DropRows(QWidget* parent);

protected:
    // Home and End go to the first and last entry (a table would go along the row).
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

class DropBox : public QComboBox {
public:
    DropBox();

    DropRows* rows() const { return rows_; }
    void showPopup() override;
    // Highlights the current entry among the rows, in view.
    void markCurrent();

protected:
    void wheelEvent(QWheelEvent* e) override;

private:
    DropRows* rows_;
};

}  // namespace vx::qt
