#include "platform/classes/browse_class.h"

#include <stdexcept>

#include "platform/classes/insert_priming.h"
#include "platform/classes/window_manager.h"
#include "platform/core/text.h"
#include "platform/expr/order_text.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/choice_controls.h"

namespace vx::classes {

namespace {

// Fields of `def` named by an order text ("+PRE:NAME,-NAME"); a name of another file is a programming error.
std::vector<int> fieldsOf(const store::FileDef& def, std::string_view orderText) {
    std::vector<int> out;
    if (clip(orderText).empty()) return out;
    const expr::OrderText order = expr::parseOrderText(orderText);
    if (!order.ok())
        throw std::logic_error("bad order text " + std::string(orderText) + ": " + order.error->describe());
    for (const expr::OrderField& f : order.fields) {
        std::string_view name = f.name;
        if (const std::size_t colon = name.find(':'); colon != std::string_view::npos) name = name.substr(colon + 1);
        const int field = def.fieldIndex(name);
        if (field < 0) throw std::logic_error("order text names no field of " + def.label + ": " + f.name);
        out.push_back(field);
    }
    return out;
}

bool sameValues(const std::vector<Value>& a, const std::vector<Value>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!ui::sameValue(a[i], b[i])) return false;
    return true;
}

}  // namespace

void BrowseClass::Init(ui::ListControl& list, data::RelationManager& primary, WindowManager& window) {
    list_ = &list;
    primary_ = &primary;
    window_ = &window;
    view_ = std::make_unique<data::View>(primary.access());
    window.addItem(*this);
}

// ---- sort orders

int BrowseClass::addSortOrder(int keyIndex, Locator* locator) {
    SortOrder o;
    o.key = keyIndex;
    o.locator = locator;
    orders_.push_back(std::move(o));
    return static_cast<int>(orders_.size());
}

int BrowseClass::addSortOrder(std::string_view orderText, Locator* locator) {
    fieldsOf(primary().def(), orderText);
    SortOrder o;
    o.orderText = orderText;
    o.locator = locator;
    orders_.push_back(std::move(o));
    return static_cast<int>(orders_.size());
}

BrowseClass::SortOrder& BrowseClass::setupOrder() {
    if (orders_.empty()) throw std::logic_error("a browse needs a sort order first");
    return applied_ ? orders_[current_ - 1] : orders_.back();
}

void BrowseClass::appendOrder(std::string_view orderText) {
    fieldsOf(primary().def(), orderText);
    setupOrder().appended = orderText;
}

void BrowseClass::addRange(std::vector<std::function<Value()>> values) {
    SortOrder& o = setupOrder();
    o.parent = nullptr;
    o.range = std::move(values);
}

void BrowseClass::addRangeToParent(const data::FileManager& parent, std::vector<std::string> parentFields) {
    SortOrder& o = setupOrder();
    o.range.clear();
    o.parent = &parent;
    o.parentFields = std::move(parentFields);
}

void BrowseClass::setFilter(std::string_view text, std::string_view id) {
    SortOrder& o = setupOrder();
    std::erase_if(o.filters, [&](const auto& f) { return f.first == id; });
    if (!clip(text).empty()) o.filters.emplace_back(std::string(id), std::string(text));
    if (applied_) applyFilters();
}

void BrowseClass::setQueryFilter(std::string_view text) {
    queryFilter_ = clip(text);
    if (applied_) applyFilters();
}

void BrowseClass::setFilterNames(const expr::Bindings* names) {
    names_ = names;
    if (applied_) applyFilters();
}

Locator* BrowseClass::locator() const { return current_ > 0 ? orders_[current_ - 1].locator : nullptr; }

std::vector<int> BrowseClass::orderFields() const {
    const SortOrder& o = orders_[current_ - 1];
    const store::FileDef& def = primary().def();
    if (!columnOrder_.empty()) return fieldsOf(def, columnOrder_);
    std::vector<int> fields = o.key >= 0 ? def.keys[o.key].fields : fieldsOf(def, o.orderText);
    for (int f : fieldsOf(def, o.appended)) fields.push_back(f);
    return fields;
}

int BrowseClass::rangeCount() const {
    const SortOrder& o = orders_[current_ - 1];
    return static_cast<int>(o.parent ? o.parentFields.size() : o.range.size());
}

void BrowseClass::applyOrder() {
    const SortOrder& o = orders_[current_ - 1];
    if (!columnOrder_.empty()) {
        view_->orderBy(columnOrder_);
    } else if (o.key >= 0) {
        view_->orderByKey(o.key);
    } else {
        view_->orderBy(o.orderText);
    }
    if (columnOrder_.empty() && !o.appended.empty()) view_->appendOrder(o.appended);
    if (o.parent) view_->setRangeToParent(*o.parent, o.parentFields);
    else if (!o.range.empty()) view_->setRange(o.range);
    else view_->clearRange();
    applied_ = true;
    applyFilters();
}

void BrowseClass::applyFilters() {
    const SortOrder& o = orders_[current_ - 1];
    std::vector<std::string_view> all;
    for (const auto& f : o.filters) all.push_back(f.second);
    if (!queryFilter_.empty()) all.push_back(queryFilter_);
    std::string text;
    if (all.size() == 1) {
        text = all.front();
    } else {
        for (std::string_view f : all) text += (text.empty() ? "(" : " AND (") + std::string(f) + ")";
    }
    // Besides the view's files, a filter may name the fields of the range's parent record.
    expr::Bindings names(names_);
    if (o.parent) o.parent->bindFields(names);
    if (auto error = view_->setFilter(text, &names)) {
        rt::MessageFields fields;
        fields.errorText = error->describe();
        fields.file = primary().info().messageName;
        rt::GLOBALERRORS.raise(rt::MessageId::ViewOpenError, fields);
    }
}

data::ViewRow BrowseClass::rowOfBuffer() const {
    data::ViewRow row{primary().current(), {}};
    const store::FileDef& def = primary().def();
    for (int f : orderFields()) row.orderValues.push_back(store::getField(def.fields[f], primary().record()));
    return row;
}

bool BrowseClass::SetSort(int order, bool force) {
    if (orders_.empty()) throw std::logic_error("a browse needs a sort order");
    if (order < 1 || order > static_cast<int>(orders_.size())) order = 1;
    const bool changed = order != current_ || !applied_;
    if (changed) {
        if (Locator* l = locator()) l->clear();
        current_ = order;
        columnOrder_.clear();
        if (list_) list_->change().setSortMark(-1, false);
        applyOrder();
    }
    const bool rangeMoved = filled_ && !sameValues(view_->rangeValues(), lastRange_);
    if (filled_ && !changed && !force && !rangeMoved) return false;
    fill(!filled_ || rangeMoved ? Fill::Top : changed ? Fill::AtHighlighted : Fill::Kept);
    return true;
}

bool BrowseClass::ResetSort(bool force) { return SetSort(current_ == 0 ? 1 : current_, force); }

// ---- column sort

std::string BrowseClass::columnOrderText(int column, bool descending) const {
    if (column < 0 || column >= static_cast<int>(fields_.size()) || current_ == 0) return {};
    const FieldSource& source = fields_[column];
    const store::FileDef& def = primary().def();
    if (source.file != &def) return {};
    std::string text;
    const std::vector<int> fields = orderFields();
    for (int i = 0; i < rangeCount() && i < static_cast<int>(fields.size()); ++i)
        text += "+" + def.prefix + ":" + def.fields[fields[i]].name + ",";
    return text + (descending ? "-" : "+") + def.prefix + ":" + def.fields[source.field].name;
}

void BrowseClass::applyColumnSort(std::string_view orderText) {
    if (current_ == 0) return;
    if (Locator* l = locator()) l->clear();
    columnOrder_ = clip(orderText);
    applyOrder();
    fill(Fill::AtHighlighted);
}

// ---- fields and looks

void BrowseClass::addField(const data::FileManager& file, std::string_view field) {
    const int index = file.def().fieldIndex(field);
    if (index < 0) throw std::logic_error("no field " + std::string(field) + " in " + file.def().label);
    const store::FieldDef* f = &file.def().fields[index];
    const void* record = file.record();
    fields_.push_back({[f, record] { return store::getField(*f, record); }, &file.def(), index});
}

void BrowseClass::addField(std::function<Value()> value) { fields_.push_back({std::move(value), nullptr, -1}); }

void BrowseClass::SetQueueRecord() {
    queueRow_.cells.resize(fields_.size());
    for (std::size_t i = 0; i < fields_.size(); ++i) queueRow_.cells[i].value = fields_[i].value();
}

ui::CellLook& BrowseClass::cellLook(int column) {
    if (column >= static_cast<int>(queueRow_.cells.size())) queueRow_.cells.resize(column + 1);
    return queueRow_.cells[column].look;
}

// ---- insert, change, delete

void BrowseClass::setUpdateControls(std::string_view insert, std::string_view change, std::string_view remove) {
    if (window_->request() == rt::request::View) return;
    insert_ = insert.empty() ? 0 : window_->id(insert);
    change_ = change.empty() ? 0 : window_->id(change);
    delete_ = remove.empty() ? 0 : window_->id(remove);
}

Byte BrowseClass::ask(Byte request) {
    if (updateProcedure_ == 0) return rt::response::Cancelled;
    const bool insert = request == rt::request::Insert;
    if (!insert && rows_.empty()) return rt::response::Cancelled;
    const std::optional<data::ViewRow> before =
        rows_.empty() ? std::nullopt : std::optional<data::ViewRow>(rows_[highlighted()]);
    if (insert) {
        InsertPriming priming{&primary().def(), {}};
        const std::vector<int> fields = orderFields();
        const std::vector<Value> values = view_->rangeValues();
        for (std::size_t i = 0; i < values.size() && i < fields.size(); ++i)
            priming.fields.emplace_back(fields[i], values[i]);
        offerInsertPriming(std::move(priming));
    } else if (!loadHighlighted()) {
        fillAt(*before);
        return rt::response::Cancelled;
    }
    const Byte response = window_->Run(updateProcedure_, request);
    dropInsertPriming();
    if (response == rt::response::Completed && request != rt::request::Delete) fillAt(rowOfBuffer());
    else if (before) fillAt(*before);
    else fill(Fill::Top);
    return response;
}

// ---- dispatch

bool BrowseClass::takeFirst(const ui::Event& e) {
    if (!list_ || e.control != list_->id()) return false;
    // The user moved the highlight (a click, a key): that row is loaded before anyone sees the event.
    if (highlighted() != loaded_) {
        if (Locator* l = locator()) l->clear();
        if (!loadHighlighted()) fillAt(rows_[highlighted()]);
    }
    if (ui::isScroll(e.kind)) {
        if (Locator* l = locator()) l->clear();
        scroll(e.kind, e.row);
    } else if (e.kind == ui::EventKind::AlertKey) {
        if (Locator* l = locator())
            if (std::optional<std::string> typed = l->take(e.key)) locate(*typed);
    }
    return false;
}

Level BrowseClass::takeEvent(const ui::Event& e) {
    if (!list_) return Level::Benign;
    const bool keys = editKeys_ && updateProcedure_ != 0 && window_->request() != rt::request::View;
    if (e.kind == ui::EventKind::Accepted && e.control != 0) {
        if (e.control == insert_) ask(rt::request::Insert);
        else if (e.control == change_) ask(rt::request::Change);
        else if (e.control == delete_) ask(rt::request::Delete);
    } else if (e.kind == ui::EventKind::AlertKey && e.control == list_->id() && keys) {
        const ui::Key k = e.key;
        if (k == ui::Key(ui::VKey::Insert)) ask(rt::request::Insert);
        else if (k == ui::Key(ui::VKey::Enter, ui::mod::Ctrl) || k == ui::Key(ui::VKey::MouseLeft2))
            ask(rt::request::Change);
        else if (k == ui::Key(ui::VKey::Delete)) ask(rt::request::Delete);
    } else if (e.kind == ui::EventKind::Sized && filled_ && static_cast<int>(rows_.size()) != pageSize()) {
        fill(Fill::AtHighlighted);
    } else if (e.kind == ui::EventKind::RecordsWritten && filled_ && e.file == primary().def().label) {
        showWritten();
    }
    return Level::Benign;
}

bool BrowseClass::resetRequired() { return filled_ && !sameValues(view_->rangeValues(), lastRange_); }

void BrowseClass::reset(bool force) { ResetSort(force); }

void BrowseClass::SetAlerts() {
    if (!list_) return;
    if (editKeys_ && updateProcedure_ != 0 && window_->request() != rt::request::View) {
        list_->alert(ui::Key(ui::VKey::Insert));
        list_->alert(ui::Key(ui::VKey::Enter, ui::mod::Ctrl));
        list_->alert(ui::Key(ui::VKey::Delete));
        list_->alert(ui::Key(ui::VKey::MouseLeft2));
    }
    bool locators = false;
    for (const SortOrder& o : orders_) locators = locators || o.locator;
    if (!locators) return;
    for (char c = '0'; c <= '9'; ++c) list_->alert(ui::Key::of(c));
    for (char c = 'A'; c <= 'Z'; ++c) list_->alert(ui::Key::of(c));
    list_->alert(ui::Key(ui::VKey::Space));
    list_->alert(ui::Key(ui::VKey::Backspace));
}

}  // namespace vx::classes
