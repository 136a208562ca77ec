#include "platform/ui/event.h"

namespace vx::ui {

std::string_view eventName(EventKind kind) {
    switch (kind) {
    case EventKind::OpenWindow: return "OpenWindow";
    case EventKind::CloseWindow: return "CloseWindow";
    case EventKind::CloseDown: return "CloseDown";
    case EventKind::GainFocus: return "GainFocus";
    case EventKind::LoseFocus: return "LoseFocus";
    case EventKind::Completed: return "Completed";
    case EventKind::Timer: return "Timer";
    case EventKind::Moved: return "Moved";
    case EventKind::Sized: return "Sized";
    case EventKind::Maximized: return "Maximized";
    case EventKind::Iconized: return "Iconized";
    case EventKind::Restored: return "Restored";
    case EventKind::RecordsWritten: return "RecordsWritten";
    case EventKind::Accepted: return "Accepted";
    case EventKind::Selected: return "Selected";
    case EventKind::NewSelection: return "NewSelection";
    case EventKind::Refused: return "Refused";
    case EventKind::AlertKey: return "AlertKey";
    case EventKind::ScrollUp: return "ScrollUp";
    case EventKind::ScrollDown: return "ScrollDown";
    case EventKind::PageUp: return "PageUp";
    case EventKind::PageDown: return "PageDown";
    case EventKind::ScrollTop: return "ScrollTop";
    case EventKind::ScrollBottom: return "ScrollBottom";
    case EventKind::ScrollDrag: return "ScrollDrag";
    case EventKind::HeaderPressed: return "HeaderPressed";
    case EventKind::HeaderDivider: return "HeaderDivider";
    case EventKind::User: return "User";
    }
    return "?";
}

}  // namespace vx::ui
