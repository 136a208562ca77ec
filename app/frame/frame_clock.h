#pragma once
// The frame's status bar texts of the day and the time of day.

#include <cstdint>
#include <string>

namespace vx::frame {

// "Tuesday, 08.12.2026": the English day name (day number mod 7 = 0 is a Sunday) and the date.
std::string dayAndDate(int32_t dayNumber);
// "09:00:00".
std::string timeOfDay(int32_t clock);

}  // namespace vx::frame
