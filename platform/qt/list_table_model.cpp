#include "platform/qt/list_table_model.h"


#include <QApplication>

#include "platform/qt/icons.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/readable_colours.h"

namespace vx::qt {

namespace {

Qt::Alignment alignmentOf(ui::Align a) {
    switch (a) {
    case ui::Align::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case ui::Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case ui::Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The cell's own colours, else its style's.
ui::Colours coloursOf(const ui::ListModel& m, const ui::CellLook& look) {
    ui::Colours c = look.colours;
    if (const ui::ListStyle* s = m.style(look.style)) {
        if (c.text == ui::kNoColour) c.text = s->colours.text;
        if (c.background == ui::kNoColour) c.background = s->colours.background;
        if (c.selectedText == ui::kNoColour) c.selectedText = s->colours.selectedText;
        if (c.selectedBackground == ui::kNoColour) c.selectedBackground = s->colours.selectedBackground;
    }
    return c;
}

QVariant colour(ui::Colour c) {
    if (c == ui::kNoColour) return {};
    return toQColor(c);
}

}  // namespace

void ListTableModel::show(const ui::ListModel* list) {
    const int rows = list ? list->rowCount() : 0;
    const int columns = list ? list->columnCount() : 0;
    if (list == list_ && rows == rows_ && columns == columns_) {
        if (rows > 0 && columns > 0) emit dataChanged(index(0, 0), index(rows - 1, columns - 1));
        if (columns > 0) emit headerDataChanged(Qt::Horizontal, 0, columns - 1);
        return;
    }
    beginResetModel();
    list_ = list;
    rows_ = rows;
    columns_ = columns;
    endResetModel();
}

int ListTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ListTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
    if (!list_ || !index.isValid() || index.row() >= list_->rowCount() || index.column() >= list_->columnCount())
        return {};
    const int row = index.row(), column = index.column();
    const ui::ListCell& cell = list_->cell(row, column);
    switch (role) {
    // An editable combo box reads its entries' texts as edit texts.
    case Qt::DisplayRole:
    case Qt::EditRole: return toQ(list_->cellText(row, column));
    case Qt::TextAlignmentRole: return QVariant::fromValue(alignmentOf(list_->columns()[column].align));
    case Qt::DecorationRole: {
        if (!list_->columns()[column].icons || cell.look.icon == 0) return {};
        const QIcon icon = iconFor(list_->iconName(cell.look.icon));
        return icon.isNull() ? QVariant() : QVariant(icon);
    }
    case Qt::ForegroundRole: return colour(coloursOf(*list_, cell.look).text);
    case Qt::BackgroundRole: return colour(coloursOf(*list_, cell.look).background);
    case kSelectedTextRole: return colour(coloursOf(*list_, cell.look).selectedText);
    case kSelectedBackgroundRole: return colour(coloursOf(*list_, cell.look).selectedBackground);
    case Qt::FontRole: {
        const QFont base = mergedFont(QApplication::font(), list_->font());
        const ui::ListStyle* s = list_->style(cell.look.style);
        return s ? QVariant(mergedFont(base, s->font)) : QVariant();
    }
    default: return {};
    }
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!list_ || orientation != Qt::Horizontal || section < 0 || section >= list_->columnCount()) return {};
    if (role == Qt::DisplayRole) return toQ(list_->columns()[section].title);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignmentOf(list_->columns()[section].align));
    return {};
}

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!(option->state & QStyle::State_Selected)) return;
    // The palette's highlighted text over the highlight is always readable; a colour of the cell's own may not be.
    const auto keepReadable = [option] {
        QPalette& p = option->palette;
        p.setColor(QPalette::Highlight, readableHighlight(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)));
    };
    if (const QVariant bg = index.data(kSelectedBackgroundRole); bg.isValid())
        option->palette.setColor(QPalette::Highlight, bg.value<QColor>());
    if (const QVariant fg = index.data(kSelectedTextRole); fg.isValid())
        option->palette.setColor(QPalette::HighlightedText, fg.value<QColor>());
    else if (index.data(kSelectedBackgroundRole).isValid())
        // A cell with a selected background of its own and no selected text colour keeps
        // its ordinary text colour, so light backgrounds never get the highlight's white.
        option->palette.setColor(QPalette::HighlightedText, index.data(Qt::ForegroundRole).isValid()
                                                                ? index.data(Qt::ForegroundRole).value<QColor>()
                                                                : option->palette.color(QPalette::Text));
    keepReadable();
}

}  // namespace vx::qt
