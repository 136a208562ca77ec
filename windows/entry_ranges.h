#pragma once
// What the number and date entries of the forms and tools allow beyond what
// their fields can hold; each layout gives its entries one of these.

#include "platform/ui/text_controls.h"

namespace vx::windows {

// Heads, head-treatments, reaction counts and day counts: nothing below 0.
ui::EntryRange countRange();
// The date of something that has happened: not after today.
ui::EntryRange happenedDateRange();
// A planned or fixed date: up to 31.12.2099.
ui::EntryRange plannedDateRange();

}  // namespace vx::windows
