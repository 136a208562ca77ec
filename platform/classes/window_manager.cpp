#include "platform/classes/window_manager.h"

#include "platform/classes/ini_manager.h"
#include "platform/core/text.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/text_controls.h"

namespace vx::classes {

WindowManager::WindowManager(ui::Window& window) : window_(window) {}

WindowManager::~WindowManager() {
    if (killed_) return;
    // The components may be gone already: only what Init itself took is given back.
    components_.clear();
    WindowManager::Kill();
}

ui::Control& WindowManager::control(std::string_view useName) const {
    ui::Control* c = window_.control(useName);
    if (!c) throw std::logic_error("window " + procedure() + " has no control " + std::string(useName));
    return *c;
}

void WindowManager::setFirstField(std::string_view useName) { firstField_ = useName; }

ui::ControlId WindowManager::firstControl() const {
    if (!firstField_.empty()) return id(firstField_);
    const std::vector<ui::ControlId> order = window_.tabOrder();
    return order.empty() ? 0 : order.front();
}

void WindowManager::addFile(data::RelationManager& file) { files_.push_back(&file); }

void WindowManager::addItem(WindowComponent& component) { components_.push_back(&component); }

void WindowManager::addCloseButton(std::string_view useName, Byte response) { closeButtons_[id(useName)] = response; }

void WindowManager::setUpdateProcedure(int number, std::function<void()> procedure) {
    procedures_[number] = std::move(procedure);
}

Level WindowManager::Init() {
    rt::GLOBALERRORS.setProcedureName(procedure());
    named_ = true;
    request_ = *rt::GLOBALREQUEST;
    *rt::GLOBALREQUEST = rt::request::None;
    *rt::GLOBALRESPONSE = rt::response::None;
    for (data::RelationManager* file : files_) {
        file->setOpenRelated();
        file->open();
        ++filesOpened_;
    }
    if (Level level = beforeOpen(); level != Level::Benign) return level;
    window_.open();
    opened_ = true;
    if (!firstField_.empty()) window_.setFocusQuietly(id(firstField_));
    Resizer.Init(window_, window_.resize());
    addItem(Resizer);
    if (rt::IniFile* ini = iniManager()) window_.restorePlacement(*ini);
    afterOpen();
    return Level::Benign;
}

void WindowManager::Ask() {
    while (opened_ && !closing_ && window_.isOpen()) {
        const ui::Event e = window_.nextEvent();
        if (processEvent(e) == Level::Fatal) break;
    }
}

Level WindowManager::Kill() {
    if (killed_) return Level::Benign;
    killed_ = true;
    for (WindowComponent* c : components_) c->kill();
    while (filesOpened_ > 0) files_[--filesOpened_]->close();
    if (opened_) {
        if (rt::IniFile* ini = iniManager()) window_.savePlacement(*ini);
        window_.close();
    }
    if (named_) rt::GLOBALERRORS.popProcedureName();
    return Level::Benign;
}

Byte WindowManager::Run() {
    // Alerts are set once Init, with whatever an override of it adds, is done.
    if (Init() == Level::Benign) {
        SetAlerts();
        Ask();
    }
    Kill();
    return response_ == rt::response::None ? rt::response::Cancelled : response_;
}

Byte WindowManager::Run(int number, Byte request) {
    if (request_ == rt::request::View) return rt::response::Cancelled;
    auto found = procedures_.find(number);
    if (found == procedures_.end()) return *rt::GLOBALRESPONSE;
    *rt::GLOBALREQUEST = request;
    found->second();
    return *rt::GLOBALRESPONSE;
}

const ui::Event& WindowManager::event() const {
    static const ui::Event none{ui::EventKind::User};
    return events_.empty() ? none : events_.back();
}

std::string_view WindowManager::useNameOf(ui::ControlId id) const {
    const ui::Control* c = window_.control(id);
    return c ? std::string_view(c->useName()) : std::string_view();
}

bool WindowManager::isField(std::string_view useName) const {
    const ui::Control* c = window_.control(field());
    return c && field() != 0 && compareTextNoCase(c->useName(), useName) == 0;
}

bool WindowManager::foreign(const ui::Event& e) const { return e.from != 0 && e.from != window_.id(); }

Level WindowManager::processEvent(const ui::Event& e) {
    events_.push_back(e);
    Level level = TakeEvent();
    if (level == Level::Benign && !closing_) resetIfRequired();
    events_.pop_back();
    return closing_ ? Level::Fatal : level;
}

void WindowManager::resetIfRequired() {
    for (WindowComponent* c : components_)
        if (c->resetRequired()) {
            Reset();
            return;
        }
}

Level WindowManager::TakeEvent() {
    const ui::Event& e = event();
    if (foreign(e)) {
        Toolbar.takeForwarded(e);
        return Level::Benign;
    }
    if (e.kind == ui::EventKind::Refused) {
        tellAllowed(e.control);
        return Level::Benign;
    }
    for (WindowComponent* c : components_)
        if (c->takeFirst(e)) return Level::Notify;
    Level level = Level::Benign;
    if (e.isFieldIndependent()) level = TakeWindowEvent();
    if (level != Level::Benign) return level;
    switch (e.kind) {
    case ui::EventKind::Accepted: level = TakeAccepted(); break;
    case ui::EventKind::Selected: level = TakeSelected(); break;
    case ui::EventKind::NewSelection: level = TakeNewSelection(); break;
    case ui::EventKind::AlertKey:
        if (!historyKey_.isNone() && e.key == historyKey_) restoreField(window_.focused());
        break;
    default: break;
    }
    if (level != Level::Benign) return level;
    if (!e.isFieldIndependent()) level = TakeFieldEvent();
    if (level != Level::Benign) return level;
    for (WindowComponent* c : components_) {
        level = c->takeEvent(e);
        if (level != Level::Benign) return level;
    }
    return Level::Benign;
}

Level WindowManager::TakeWindowEvent() {
    switch (event().kind) {
    case ui::EventKind::OpenWindow: Reset(true); return Level::Benign;
    case ui::EventKind::CloseWindow: return takeCloseRequest();
    case ui::EventKind::CloseDown: return Level::Fatal;
    case ui::EventKind::Completed: return TakeCompleted();
    default: return Level::Benign;
    }
}

Level WindowManager::TakeAccepted() {
    auto button = closeButtons_.find(field());
    if (button == closeButtons_.end()) return Level::Benign;
    response_ = button->second;
    window_.post(ui::Event{ui::EventKind::CloseWindow});
    return Level::Benign;
}

Level WindowManager::TakeSelected() { return Level::Benign; }

Level WindowManager::TakeNewSelection() { return Level::Benign; }

Level WindowManager::TakeFieldEvent() { return Level::Benign; }

Level WindowManager::TakeCompleted() { return Level::Benign; }

void WindowManager::SetAlerts() {
    if (!historyKey_.isNone()) window_.alert(historyKey_);
    for (WindowComponent* c : components_) c->SetAlerts();
}

void WindowManager::Reset(bool force) {
    // A component that cannot go on has told the user why; the others need not say it again.
    for (WindowComponent* c : components_)
        if (!closing_) c->reset(force);
}

void WindowManager::postCompleted() { window_.post(ui::Event{ui::EventKind::Completed}); }

void WindowManager::tellAllowed(ui::ControlId entry) {
    const auto* e = window_.as<ui::EntryControl>(entry);
    if (!e || !e->range()) return;
    ui::messageBox(window_.caption(), e->range()->allowed);
    window_.select(entry);
}

bool WindowManager::valuesAllowed(const std::map<ui::ControlId, Value>& kept) {
    for (ui::ControlId id : window_.allControls()) {
        const auto* e = window_.as<ui::EntryControl>(id);
        if (!e || !e->range() || !e->binding().bound() || !e->shown()) continue;
        const Value v = e->binding().read();
        if (e->range()->allows(v)) continue;
        if (auto k = kept.find(id); k != kept.end() && ui::sameValue(k->second, v)) continue;
        tellAllowed(id);
        return false;
    }
    return true;
}

}  // namespace vx::classes
