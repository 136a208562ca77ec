#include "platform/ui/desktop.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/ui/dialogs.h"
#include "platform/ui/window.h"

namespace vx::ui {

Desktop& desktop() {
    // Never destroyed: windows of threads still suspended at exit may refer to it.
    static Desktop* d = new Desktop;
    return *d;
}

Desktop::Desktop() {
    // A thread that stops to wait has its windows drawn as it leaves them.
    rt::addYieldHook([this] { flushChanges(); });
}

Renderer* Desktop::setRenderer(Renderer* r) { return std::exchange(renderer_, r); }

Window* Desktop::window(WindowId id) const {
    for (Window* w : open_)
        if (w->id() == id) return w;
    return nullptr;
}

Window* Desktop::frame() const {
    for (Window* w : open_)
        if (w->kind() == WindowKind::Frame) return w;
    return nullptr;
}

Window* Desktop::activeWindow() const { return activation_.empty() ? nullptr : window(activation_.back()); }

Window* Desktop::topWindowOf(rt::ThreadId thread) const {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        if ((*it)->thread() == thread) return *it;
    return nullptr;
}

void Desktop::activate(Window& w) {
    Window* before = activeWindow();
    if (before == &w || !w.isOpen()) return;
    std::erase(activation_, w.id());
    activation_.push_back(w.id());
    if (before) before->post(Event{EventKind::LoseFocus});
    w.post(Event{EventKind::GainFocus});
    if (renderer_) renderer_->windowActivated(w);
}

bool Desktop::post(WindowId id, Event e) {
    Window* w = window(id);
    if (!w) return false;
    w->post(e);
    return true;
}

bool Desktop::postToThread(rt::ThreadId thread, Event e) {
    Window* w = topWindowOf(thread);
    if (!w) return false;
    w->post(e);
    return true;
}

void Desktop::announceWrite(std::string_view file) {
    Event e{EventKind::RecordsWritten};
    e.file = file;
    for (Window* w : open_) w->post(e);
}

void Desktop::closeDown() {
    for (Window* w : open_) w->post(Event{EventKind::CloseDown});
}

bool Desktop::ctrlAloneCounts() {
    const bool counts = !lastInputHadCtrl_;
    lastInputHadCtrl_ = true;
    return counts;
}

void Desktop::noteInput(const Key& k) {
    lastInputHadCtrl_ = k.has(mod::Ctrl);
    lastInput_ = k;
}

void Desktop::arrange(ArrangeMode mode) {
    if (renderer_) renderer_->arrange(mode);
}

void Desktop::help(HelpRequest request) {
    if (renderer_) renderer_->help(request);
}

void Desktop::busy(bool working) {
    busyDepth_ += working ? 1 : -1;
    if (renderer_ && busyDepth_ == (working ? 1 : 0)) renderer_->busy(working);
}

bool Desktop::runPending() {
    if (rt::currentThread() != 0) throw std::logic_error("runPending inside a thread");
    // Timers fire once per step, so a short timer cannot keep the loop from returning.
    const bool fired = fireDueTimers();
    bool ran = false;
    while (rt::runReady()) ran = true;
    flushChanges();
    return fired || ran;
}

void Desktop::flushChanges() {
    const std::vector<WindowId> dirty = std::move(dirty_);
    dirty_.clear();
    for (WindowId id : dirty)
        if (Window* w = window(id)) w->flush();
}

void Desktop::opened(Window& w) {
    notifyBlocking(w.thread());
    open_.push_back(&w);
    activation_.push_back(w.id());
    if (renderer_) renderer_->windowOpened(w);
}

void Desktop::closed(Window& w) {
    const bool wasActive = activeWindow() == &w;
    if (renderer_) renderer_->windowClosed(w);
    std::erase(open_, &w);
    std::erase(activation_, w.id());
    std::erase(dirty_, w.id());
    notifyBlocking(w.thread());
    if (!wasActive || !renderer_) return;
    // The window of its thread it was opened over comes back first, whatever was activated in between.
    if (Window* caller = topWindowOf(w.thread())) {
        std::erase(activation_, caller->id());
        activation_.push_back(caller->id());
    }
    if (Window* next = activeWindow()) renderer_->windowActivated(*next);
}

void Desktop::changedPending(Window& w) {
    if (std::find(dirty_.begin(), dirty_.end(), w.id()) == dirty_.end()) dirty_.push_back(w.id());
}

void Desktop::dialogOpened(Dialog& d) {
    dialogs_.push_back(&d);
    notifyBlocking(d.thread());
}

void Desktop::dialogClosed(Dialog& d) {
    std::erase(dialogs_, &d);
    notifyBlocking(d.thread());
    // The window that asked has the user's attention again, whatever was clicked while it asked.
    Window* owner = window(d.owner());
    if (!owner) return;
    if (activeWindow() != owner) activate(*owner);
    else if (renderer_) renderer_->windowActivated(*owner);
}

bool Desktop::threadInDialog(rt::ThreadId thread) const {
    return std::any_of(dialogs_.begin(), dialogs_.end(), [thread](const Dialog* d) { return d->thread() == thread; });
}

// The windows of a thread change between blocked and live: the renderer redraws them.
void Desktop::notifyBlocking(rt::ThreadId thread) {
    for (Window* w : open_)
        if (w->thread() == thread) w->noteChanged(0);
}

}  // namespace vx::ui
