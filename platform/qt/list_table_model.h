#pragma once
// A list's displayed rows for Qt's views: texts through the column pictures,
// alignment, per-cell colours, icons and styles, column titles. It reads the
// model's ListModel whenever the list changed: cells of the same shape change
// in place (the views keep their scroll position and redraw them), another
// shape resets it.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "platform/ui/list_model.h"

namespace vx::qt {

// Where the cell's look keeps its colours for a highlighted row.
inline constexpr int kSelectedTextRole = Qt::UserRole + 1;
inline constexpr int kSelectedBackgroundRole = Qt::UserRole + 2;

class ListTableModel : public QAbstractTableModel {
public:
    explicit ListTableModel(QObject* parent) : QAbstractTableModel(parent) {}

    // The list to show; nullptr shows nothing. The list must outlive its use here.
    void show(const ui::ListModel* list);
    const ui::ListModel* list() const { return list_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ui::ListModel* list_ = nullptr;
    // The shape the views were last told of; the list may have changed since.
    int rows_ = 0;
    int columns_ = 0;
};

// Paints a highlighted cell with the selected colours its look gives.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace vx::qt
