#include "platform/classes/auto_size_columns.h"

#include "platform/classes/window_manager.h"

namespace vx::classes {

void AutoSizeColumnClass::Init(ui::ListControl& list, WindowManager& window) {
    list_ = &list;
    window.addItem(*this);
}

void AutoSizeColumnClass::resizeAll() {
    if (list_) list_->change().fitColumnsToContent();
}

bool AutoSizeColumnClass::takeFirst(const ui::Event& e) {
    if (!list_ || e.kind != ui::EventKind::HeaderDivider || e.control != list_->id()) return false;
    list_->change().fitColumnsToContent(e.column);
    return true;
}

}  // namespace vx::classes
