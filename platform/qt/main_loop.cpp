#include "platform/qt/main_loop.h"

#include <algorithm>

#include "platform/ui/desktop.h"

namespace vx::qt {

MainLoop::MainLoop() {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { step(); });
}

void MainLoop::requestStep() {
    if (queued_) return;
    queued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { step(); }, Qt::QueuedConnection);
}

void MainLoop::step() {
    queued_ = false;
    ui::desktop().runPending();
    armTimer();
    if (afterStep_) afterStep_();
}

void MainLoop::armTimer() {
    const auto due = ui::desktop().untilNextTimer();
    if (!due) {
        timer_.stop();
        return;
    }
    // Hundredths to milliseconds; a timer due now still waits a tick so the loop breathes.
    timer_.start(static_cast<int>(std::clamp<long long>(*due * 10, 1, 24LL * 3600 * 1000)));
}

}  // namespace vx::qt
