#include "platform/classes/column_sort.h"

#include "platform/classes/window_manager.h"

namespace vx::classes {

void ColumnSortClass::Init(BrowseClass& browse, WindowManager& window) {
    browse_ = &browse;
    window.addItem(*this);
}

void ColumnSortClass::QueueResorted(std::string_view sortText) { browse_->applyColumnSort(sortText); }

bool ColumnSortClass::takeFirst(const ui::Event& e) {
    if (!browse_ || e.kind != ui::EventKind::HeaderPressed || e.control != browse_->list().id()) return false;
    // Choosing another sort order cleared the column sort.
    if (!browse_->columnSorted()) column_ = -1;
    const bool restore = e.column == column_ && descending_;
    const bool descending = e.column == column_ && !descending_;
    if (restore) {
        column_ = -1;
        QueueResorted("");
        browse_->list().change().setSortMark(-1, false);
        return true;
    }
    const std::string text = browse_->columnOrderText(e.column, descending);
    if (text.empty()) return false;
    column_ = e.column;
    descending_ = descending;
    QueueResorted(text);
    browse_->list().change().setSortMark(column_, descending_);
    return true;
}

}  // namespace vx::classes
