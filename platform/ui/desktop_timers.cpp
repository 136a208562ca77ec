#include <algorithm>

#include "platform/core/dates.h"
#include "platform/ui/desktop.h"
#include "platform/ui/window.h"

namespace vx::ui {

namespace {
constexpr long long kHundredthsPerDay = 8640000;
}

long long Desktop::clockNow() { return static_cast<long long>(clock::today()) * kHundredthsPerDay + clock::now(); }

bool Desktop::fireDueTimers() {
    const long long now = clockNow();
    bool fired = false;
    const std::vector<Window*> windows = open_;
    for (Window* w : windows) {
        if (w->timer() > 0 && w->timerDue() <= now) {
            w->timerFired(now);
            fired = true;
        }
    }
    return fired;
}

std::optional<long long> Desktop::untilNextTimer() const {
    const long long now = clockNow();
    std::optional<long long> next;
    for (const Window* w : open_) {
        if (w->timer() <= 0) continue;
        const long long in = std::max(0LL, w->timerDue() - now);
        if (!next || in < *next) next = in;
    }
    return next;
}

}  // namespace vx::ui
