#pragma once
// A list's title row with headings over groups of neighbouring columns
// ("Владелец" over "ФИО" and "Адрес"): with groups it is two lines high, the
// group's heading drawn once across its columns above their own titles.

#include <QHeaderView>
#include <vector>

#include "platform/ui/list_model.h"

namespace vx::qt {

class GroupedHeader : public QHeaderView {
public:
    explicit GroupedHeader(QWidget* parent);
    void setGroups(std::vector<ui::ColumnGroup> groups);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    const ui::ColumnGroup* groupOf(int column) const;
    std::vector<ui::ColumnGroup> groups_;
};

}  // namespace vx::qt
