#pragma once
// The calendar, and date buttons: a button beside a date entry that asks the
// calendar for the date. On the button's accepted event the window takes its
// controls' values, the calendar starts at the field's date, a chosen date goes
// into the field and its control is redisplayed, and the window resets. The date
// entry gets no accepted event of its own. A date the entry's range does not
// allow is refused with the range's message and the field keeps its date.

#include <string>
#include <string_view>

#include "platform/classes/window_component.h"
#include "platform/core/fields.h"
#include "platform/ui/binding.h"
#include "platform/ui/ids.h"

namespace vx::classes {

class WindowManager;

class CalendarClass {
public:
    // Asks for a date with a title, starting at `start` (a day number, 0 for today); true when one was chosen.
    bool Ask(std::string_view title, Long start);
    // The date chosen by the last Ask.
    Long date() const { return date_; }

private:
    Long date_ = 0;
};

class DateButton : public WindowComponent {
public:
    // `entry` is the date's control (redisplayed), `date` its field; adds itself to the window's components.
    void Init(WindowManager& window, std::string_view button, std::string_view entry, ui::Binding date,
              std::string title);

    Level takeEvent(const ui::Event& e) override;

private:
    WindowManager* window_ = nullptr;
    ui::ControlId button_ = 0, entry_ = 0;
    ui::Binding date_;
    std::string title_;
    CalendarClass calendar_;
};

}  // namespace vx::classes
