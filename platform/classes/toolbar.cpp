#include "platform/classes/toolbar.h"

#include "platform/core/text.h"
#include "platform/ui/desktop.h"
#include "platform/ui/window.h"

namespace vx::classes {

bool ToolbarClass::takeForwarded(const ui::Event& e) const {
    if (e.kind != ui::EventKind::Accepted || e.from == 0) return false;
    const ui::Window* source = ui::desktop().window(e.from);
    const ui::Control* button = source ? source->control(e.control) : nullptr;
    if (!button || compareTextNoCase(button->useName(), kHistoryButton) != 0) return false;
    if (history_) history_();
    return true;
}

}  // namespace vx::classes
