#pragma once
// A list control on screen: a table of the displayed rows with its own scroll
// bar. The rows are only the page the list's owner filled, so the scroll bar
// stands for the owner's position in its whole data (0..100): its arrows, page
// steps, drags and the mouse wheel go back to the model as scroll events for
// the owner to refill. Clicks do not move the highlight themselves: they are
// reported, and the highlight follows the model.

#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <functional>

#include "platform/qt/grouped_header.h"
#include "platform/qt/list_table_model.h"
#include "platform/ui/event.h"
#include "platform/ui/list_control.h"
#include "platform/ui/user_input.h"

namespace vx::qt {

struct ListHandlers {
    std::function<void(int row, int column, std::uint8_t mods, ui::MouseButton button, bool doubleClick)> click;
    std::function<void(int column, bool divider)> header;
    std::function<void(int position)> drag;
    std::function<void(ui::EventKind kind)> scroll;
    std::function<void(int rows)> resized;
};

class RowTable : public QTableView {
public:
    RowTable(QWidget* parent, const ListHandlers& h) : QTableView(parent), handlers_(h) {}
    // Rows of the current line height that fit the view.
    int rowsThatFit() const;
    // The rows the view asks room for when its window opens.
    void setPageRows(int rows);
    QSize sizeHint() const override;
    // Scrolls the columns back to `position` once the new column widths are laid out.
    void keepAcross(int position);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent*) override {}
    void mouseReleaseEvent(QMouseEvent*) override {}
    void keyPressEvent(QKeyEvent* e) override { e->ignore(); }
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void report(QMouseEvent* e, bool doubleClick);
    const ListHandlers& handlers_;
    int pageRows_ = 10;
};

class ListView : public QWidget {
public:
    ListView(QWidget* parent, ListHandlers handlers);
    void sync(const ui::ListControl& list);
    RowTable* table() const { return table_; }

private:
    void scrollAction(int action);

    ListHandlers handlers_;
    RowTable* table_;
    GroupedHeader* header_;
    QScrollBar* bar_;
    ListTableModel* model_;
};

}  // namespace vx::qt
