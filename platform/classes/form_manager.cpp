#include "platform/classes/form_manager.h"

#include <algorithm>

#include "platform/classes/form_history.h"
#include "platform/classes/insert_priming.h"
#include "platform/core/text.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/text_controls.h"

namespace vx::classes {

namespace rq = rt::request;
namespace rs = rt::response;

FormManager::FormManager(ui::Window& window, data::RelationManager& primary)
    : WindowManager(window), primary_(primary), loaded_(primary.access().def().ops.create()) {
    setHistoryKey(ui::Key(ui::VKey('H'), ui::mod::Ctrl));
    Toolbar.setHistoryTarget([this] { restoreField(this->window().focused()); });
    addFile(primary);
}

FormManager::~FormManager() { primary().def().ops.destroy(loaded_); }

void FormManager::offerRequests(bool insert, bool change, bool remove) {
    offersInsert_ = insert;
    offersChange_ = change;
    offersDelete_ = remove;
}

void FormManager::addHistoryField(std::string_view control, std::string_view field) {
    const int index = primary().def().fieldIndex(field);
    if (index < 0) throw std::logic_error("no field " + std::string(field) + " in " + primary().def().label);
    this->control(control);
    historyFields_[keyFold(control)] = index;
}

void FormManager::setStatusTexts(std::string view, std::string insert, std::string change) {
    viewText_ = std::move(view);
    insertText_ = std::move(insert);
    changeText_ = std::move(change);
}

void FormManager::setViewLocks(std::vector<std::string> readOnly, std::vector<std::string> disabled) {
    viewReadOnly_ = std::move(readOnly);
    viewDisabled_ = std::move(disabled);
}

Level FormManager::refuse(rt::MessageId message) {
    rt::GLOBALERRORS.raise(message, rt::MessageFields{primary().info().messageName});
    setResponse(rs::Cancelled);
    return Level::Notify;
}

// The record the caller loaded, read again as it is stored now.
Level FormManager::retrieve() {
    data::FileManager& fm = primary();
    if (Level level = fm.useFile(); level != Level::Benign) return level;
    if (fm.current() != 0 && fm.reget(fm.current()) == Level::Benign) return Level::Benign;
    rt::MessageFields fields;
    fields.file = fm.info().messageName;
    fields.errorText = fm.current() == 0 ? "no record was chosen" : fm.table().lastErrorText();
    rt::GLOBALERRORS.raise(rt::MessageId::RetrievalError, fields);
    setResponse(rs::Cancelled);
    return Level::Notify;
}

Level FormManager::beforeOpen() {
    data::FileManager& fm = primary();
    switch (request()) {
    case rq::Insert:
        if (!offersInsert_) return refuse(rt::MessageId::InsertNotAllowed);
        if (Level level = fm.primeRecord(); level != Level::Benign) {
            setResponse(rs::Cancelled);
            return level;
        }
        applyInsertPriming(fm.def(), fm.record());
        primary_.noteParents();
        break;
    case rq::Delete: {
        if (!offersDelete_) return refuse(rt::MessageId::DeleteNotAllowed);
        if (Level level = retrieve(); level != Level::Benign) return level;
        setResponse(primary_.remove(true) == Level::Benign ? rs::Completed : rs::Cancelled);
        return Level::Notify;
    }
    case rq::View:
        if (Level level = retrieve(); level != Level::Benign) return level;
        break;
    default:
        if (!offersChange_) return refuse(rt::MessageId::UpdateNotAllowed);
        if (Level level = retrieve(); level != Level::Benign) return level;
        break;
    }
    fm.def().ops.copy(loaded_, fm.record());
    return Level::Benign;
}

void FormManager::afterOpen() {
    for (ui::ControlId id : window().allControls())
        if (const auto* e = window().as<ui::EntryControl>(id); e && e->range() && e->binding().bound())
            opened_[id] = e->binding().read();
    window().setDefaultButton(window().idOf(ok_)).setCancelButton(window().idOf(cancel_));
    const std::string& text = request() == rq::View ? viewText_ : request() == rq::Insert ? insertText_ : changeText_;
    if (!text.empty()) window().setStatusText(2, text);
    if (request() != rq::View) return;
    for (const std::string& name : viewReadOnly_) control(name).setReadOnly(true);
    for (const std::string& name : viewDisabled_) control(name).disable();
}

Level FormManager::Kill() {
    if (request() == rq::Insert && response() != rs::Completed) primary().cancelAutoIncrement();
    return WindowManager::Kill();
}

Level FormManager::TakeAccepted() {
    if (Level level = WindowManager::TakeAccepted(); level != Level::Benign) return level;
    if (isField(ok_)) {
        if (request() == rq::View) {
            setResponse(rs::Cancelled);
            window().post(ui::Event{ui::EventKind::CloseWindow});
        } else {
            postCompleted();
        }
    } else if (isField(cancel_)) {
        setResponse(rs::Cancelled);
        window().post(ui::Event{ui::EventKind::CloseWindow});
    }
    return Level::Benign;
}

bool FormManager::acceptAll() {
    std::vector<ui::ControlId> order;
    for (ui::ControlId id : window().tabOrder()) {
        const ui::Control* c = window().control(id);
        if (c->kind() == ui::ControlKind::Radio) id = c->parent();
        const ui::Control* holder = window().control(id);
        if (!holder || !holder->binding().bound() || holder->kind() == ui::ControlKind::Button) continue;
        if (std::find(order.begin(), order.end(), id) == order.end()) order.push_back(id);
    }
    // What is still being typed is taken first; a text that does not fit stops the pass there.
    for (ui::ControlId id : order)
        if (!window().update(id)) {
            window().select(id);
            return false;
        }
    window().display();
    for (ui::ControlId id : order) {
        const ui::Control* c = window().control(id);
        if (!c || !c->shown() || !c->usable()) continue;
        const ui::ControlId focus = window().focused();
        if (processEvent(ui::Event{ui::EventKind::Accepted, id}) == Level::Fatal) {
            closeWindow();
            return false;
        }
        window().display();
        // A handler that sends the user back to a control ends the pass.
        if (window().focused() != focus) return false;
    }
    return true;
}

void FormManager::requirePositive(std::string_view control, std::string text) {
    positives_.emplace_back(std::string(control), std::move(text));
}

bool FormManager::positivesGiven() {
    for (const auto& [name, text] : positives_) {
        const ui::Control& c = control(name);
        if (c.binding().read().toNumber() > Decimal(0)) continue;
        ui::messageBox(window().caption(), text);
        window().select(window().idOf(name));
        return false;
    }
    return true;
}

Level FormManager::TakeCompleted() {
    if (request() == rq::View) return Level::Benign;
    acceptingAll_ = true;
    const bool passed = acceptAll();
    acceptingAll_ = false;
    if (!passed || !valuesAllowed(opened_) || !positivesGiven()) return Level::Benign;
    data::FileManager& fm = primary();
    saveHistory(procedure(), fm.def(), fm.record());
    const Level saved = request() == rq::Insert ? primary_.insert() : primary_.update();
    if (saved != Level::Benign) return saved == Level::Fatal ? Level::Fatal : Level::Notify;
    setResponse(rs::Completed);
    return Level::Fatal;
}

bool FormManager::changed() const { return !store::sameRecord(primary().def(), loaded_, primary().record()); }

Level FormManager::takeCloseRequest() {
    if (request() == rq::View) {
        setResponse(rs::Cancelled);
        return Level::Fatal;
    }
    window().update();
    if (changed() && rt::GLOBALERRORS.raise(rt::MessageId::ConfirmCancel) != Level::Benign) {
        window().select(firstControl());
        return Level::Notify;
    }
    setResponse(rs::Cancelled);
    return Level::Fatal;
}

void FormManager::restoreField(ui::ControlId id) {
    const ui::Control* c = window().control(id);
    if (!c) return;
    auto field = historyFields_.find(keyFold(c->useName()));
    const void* saved = savedHistory(procedure());
    if (field == historyFields_.end() || !saved) return;
    c->binding().write(store::getField(primary().def().fields[field->second], saved));
    window().display(id);
}

}  // namespace vx::classes
