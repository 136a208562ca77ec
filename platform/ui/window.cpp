#include "platform/ui/window.h"

#include <algorithm>

#include "platform/core/text.h"
#include "platform/ui/desktop.h"
#include "platform/ui/text_controls.h"

namespace vx::ui {

namespace {
WindowId nextWindowId() {
    static WindowId last = 0;
    return ++last;
}
}  // namespace

Window::Window(WindowKind kind, std::string procedure)
    : id_(nextWindowId()), kind_(kind), procedure_(std::move(procedure)) {
    auto root = std::make_unique<Control>(ControlKind::Column, std::string());
    root->window_ = this;
    root->id_ = 1;
    controls_.push_back(std::move(root));
}

Window::~Window() { close(); }

Window& Window::setCaption(std::string c) {
    caption_ = std::move(c);
    noteChanged(0);
    return *this;
}

Window& Window::setIcon(std::string name) {
    icon_ = std::move(name);
    noteChanged(0);
    return *this;
}

Window& Window::setFont(FontSpec f) {
    font_ = std::move(f);
    noteChanged(0);
    return *this;
}

Window& Window::setResize(ResizeStrategy r) {
    resize_ = r;
    noteChanged(0);
    return *this;
}

void Window::adopt(std::unique_ptr<Control> c, ControlId parent) {
    c->window_ = this;
    c->id_ = static_cast<ControlId>(controls_.size()) + 1;
    if (parent == 0 && c->kind() == ControlKind::MenuBar) {
        menuBar_ = c->id_;
    } else if (parent == 0 && c->kind() == ControlKind::Toolbar) {
        toolbar_ = c->id_;
    } else {
        Control* p = control(parent == 0 ? root() : parent);
        if (!p) p = controls_.front().get();
        c->parent_ = p->id_;
        p->children_.push_back(c->id_);
    }
    Control& added = *c;
    controls_.push_back(std::move(c));
    if (open_) {
        added.showVariable(false);
        changes_.structure = true;
        desktop().changedPending(*this);
    }
}

void Window::removeControl(ControlId id) {
    Control* c = control(id);
    if (!c || id == root()) return;
    if (Control* p = control(c->parent_)) std::erase(p->children_, id);
    if (id == menuBar_) menuBar_ = 0;
    if (id == toolbar_) toolbar_ = 0;
    std::vector<ControlId> gone;
    collect(id, gone);
    for (ControlId g : gone) {
        std::erase(changes_.controls, g);
        controls_[g - 1].reset();
    }
    if (open_) {
        changes_.structure = true;
        desktop().changedPending(*this);
    }
    setFocusQuietly(focus_);
}

Control* Window::control(ControlId id) const {
    return id >= 1 && id <= static_cast<ControlId>(controls_.size()) ? controls_[id - 1].get() : nullptr;
}

Control* Window::control(std::string_view useName) const {
    if (useName.empty()) return nullptr;
    for (const auto& c : controls_)
        if (c && compareTextNoCase(c->useName(), useName) == 0) return c.get();
    return nullptr;
}

ControlId Window::idOf(std::string_view useName) const {
    const Control* c = control(useName);
    return c ? c->id() : 0;
}

void Window::collect(ControlId id, std::vector<ControlId>& out) const {
    const Control* c = control(id);
    if (!c) return;
    out.push_back(id);
    for (ControlId child : c->children()) collect(child, out);
}

std::vector<ControlId> Window::allControls() const {
    std::vector<ControlId> out;
    collect(root(), out);
    collect(menuBar_, out);
    collect(toolbar_, out);
    return out;
}

std::vector<ControlId> Window::tabOrder() const {
    std::vector<ControlId> all;
    collect(root(), all);
    std::vector<ControlId> out;
    for (ControlId id : all) {
        const Control* c = control(id);
        if (c->takesFocus() && c->shown() && c->usable()) out.push_back(id);
    }
    return out;
}

void Window::select(ControlId id) {
    const Control* target = control(id);
    if (!target || id == focus_ || !target->takesFocus()) return;
    if (auto* left = dynamic_cast<EntryControl*>(control(focus_)); left && left->typing()) left->discardTyping();
    focus_ = id;
    noteChanged(0);
    post(Event{EventKind::Selected, id});
}

void Window::setFocusQuietly(ControlId id) {
    const Control* c = control(id);
    ControlId next = id;
    if (!c || !c->takesFocus() || !c->shown() || !c->usable()) {
        const std::vector<ControlId> order = tabOrder();
        next = order.empty() ? 0 : order.front();
    }
    if (next != focus_) {
        focus_ = next;
        noteChanged(0);
    }
}

void Window::display(ControlId id) {
    if (id == 0) {
        showVariables(false);
    } else if (Control* c = control(id)) {
        c->showVariable(false);
    }
}

bool Window::update(ControlId id) {
    if (id != 0) {
        Control* c = control(id);
        return !c || c->takeTyped();
    }
    bool all = true;
    for (const auto& c : controls_)
        if (c && !c->takeTyped()) all = false;
    return all;
}

void Window::showVariables(bool keepTyping) {
    for (const auto& c : controls_)
        if (c) c->showVariable(keepTyping);
}

Window& Window::alert(Key k) {
    if (!alerted(k)) alerts_.push_back(k);
    return *this;
}

Window& Window::removeAlert(Key k) {
    std::erase(alerts_, k);
    return *this;
}

Window& Window::clearAlerts() {
    alerts_.clear();
    return *this;
}

bool Window::alerted(Key k) const { return std::find(alerts_.begin(), alerts_.end(), k) != alerts_.end(); }

Window& Window::setStatusZones(std::vector<int> widths) {
    status_.resize(widths.size());
    for (std::size_t i = 0; i < widths.size(); ++i) status_[i].width = widths[i];
    noteChanged(0);
    return *this;
}

Window& Window::setStatusText(int zone, std::string text) {
    if (zone < 1) return *this;
    if (static_cast<std::size_t>(zone) > status_.size()) status_.resize(zone);
    status_[zone - 1].text = std::move(text);
    noteChanged(0);
    return *this;
}

std::string Window::statusText(int zone) const {
    return zone >= 1 && static_cast<std::size_t>(zone) <= status_.size() ? status_[zone - 1].text : std::string();
}

void Window::open() {
    if (open_) return;
    thread_ = rt::currentThread();
    open_ = true;
    queue_.push_front(Event{EventKind::OpenWindow});
    if (timer_ > 0) timerDue_ = Desktop::clockNow() + timer_;
    setFocusQuietly(focus_);
    showVariables(false);
    for (const auto& c : controls_)
        if (c) c->marked_ = false;
    changes_ = {};
    desktop().opened(*this);
}

void Window::close() {
    if (!open_) return;
    open_ = false;
    queue_.clear();
    desktop().closed(*this);
}

bool Window::blocked() const {
    return open_ && (desktop().topWindowOf(thread_) != this || desktop().threadInDialog(thread_));
}

void Window::noteChanged(ControlId id) {
    if (!open_) return;
    if (id == 0) {
        changes_.window = true;
    } else if (Control* c = control(id); c && !c->marked_) {
        c->marked_ = true;
        changes_.controls.push_back(id);
    }
    desktop().changedPending(*this);
}

ChangeSet Window::takeChanges() {
    ChangeSet out = std::move(changes_);
    changes_ = {};
    for (ControlId id : out.controls)
        if (Control* c = control(id)) c->marked_ = false;
    return out;
}

void Window::flush() {
    if (changes_.empty()) return;
    ChangeSet changes = takeChanges();
    if (open_ && desktop().renderer()) desktop().renderer()->windowChanged(*this, changes);
}

}  // namespace vx::ui
