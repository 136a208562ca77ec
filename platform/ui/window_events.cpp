#include <algorithm>
#include <stdexcept>

#include "platform/ui/desktop.h"
#include "platform/ui/window.h"

namespace vx::ui {

void Window::post(Event e) {
    queue_.push_back(e);
    // The window's own thread finds the event when it next asks; any other is woken.
    if (open_ && thread_ != rt::currentThread()) rt::wake(thread_);
}

Event Window::nextEvent() {
    if (!open_) throw std::logic_error("nextEvent on a window that is not open: " + procedure_);
    // After each event every control shows its variable, except what is being typed.
    showVariables(true);
    flush();
    if (queue_.empty() && rt::currentThread() == 0)
        throw std::logic_error("window " + procedure_ + " has no event and does not run on a thread");
    rt::waitUntil([this] { return !queue_.empty() || !open_; });
    if (!open_) return Event{EventKind::CloseDown};
    Event e = queue_.front();
    queue_.pop_front();
    return e;
}

bool Window::hasQueued(EventKind kind) const {
    return std::any_of(queue_.begin(), queue_.end(), [kind](const Event& e) { return e.kind == kind; });
}

Window& Window::setTimer(int hundredths) {
    timer_ = std::max(hundredths, 0);
    if (open_ && timer_ > 0) timerDue_ = Desktop::clockNow() + timer_;
    noteChanged(0);
    return *this;
}

void Window::timerFired(long long now) {
    // Ticks missed while the window was busy come as one.
    if (!hasQueued(EventKind::Timer)) post(Event{EventKind::Timer});
    timerDue_ = now + timer_;
}

}  // namespace vx::ui
