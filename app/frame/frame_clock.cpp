#include "app/frame/frame_clock.h"

#include <string_view>

#include "platform/core/dates.h"
#include "platform/core/picture.h"

namespace vx::frame {

std::string dayAndDate(int32_t dayNumber) {
    static constexpr std::string_view names[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
    return std::string(names[dayNumber % 7]) + ", " + formatDate(dayNumber);
}

std::string timeOfDay(int32_t clock) { return formatTime(clock); }

}  // namespace vx::frame
