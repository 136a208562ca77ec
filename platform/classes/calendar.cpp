#include "platform/classes/calendar.h"

#include "platform/classes/window_manager.h"
#include "platform/core/dates.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/text_controls.h"

namespace vx::classes {

bool CalendarClass::Ask(std::string_view title, Long start) {
    const std::optional<int32_t> chosen = ui::calendarDialog(title, start != 0 ? start : clock::today());
    if (!chosen) return false;
    date_ = *chosen;
    return true;
}

void DateButton::Init(WindowManager& window, std::string_view button, std::string_view entry, ui::Binding date,
                      std::string title) {
    window_ = &window;
    button_ = window.id(button);
    entry_ = window.id(entry);
    date_ = std::move(date);
    title_ = std::move(title);
    window.addItem(*this);
}

Level DateButton::takeEvent(const ui::Event& e) {
    if (e.kind != ui::EventKind::Accepted || e.control != button_) return Level::Benign;
    window_->window().update();
    if (calendar_.Ask(title_, static_cast<Long>(date_.read().toNumber().toInt64()))) {
        const auto* entry = window_->window().as<ui::EntryControl>(entry_);
        const ui::EntryRange* range = entry && entry->range() ? &*entry->range() : nullptr;
        if (range && !range->allows(Value(calendar_.date()))) {
            ui::messageBox(window_->window().caption(), range->allowed);
        } else {
            date_.write(Value(calendar_.date()));
            window_->window().display(entry_);
        }
    }
    window_->Reset();
    return Level::Benign;
}

}  // namespace vx::classes
