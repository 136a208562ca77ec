#include "platform/data/view.h"

#include <algorithm>

#include "platform/core/text.h"
#include "platform/expr/order_text.h"

namespace vx::data {

namespace {

// Rows a scan asks the store for at a time while the filter rejects rows.
constexpr int kChunk = 64;

}  // namespace

View::View(FileManager& primary) : primary_(primary) {}

void View::orderByKey(int keyIndex) {
    key_ = keyIndex;
    terms_.clear();
}

void View::orderByRecord() {
    key_ = -1;
    terms_.clear();
}

std::optional<expr::ExprError> View::parseTerms(std::string_view text, std::vector<Term>& out) const {
    const expr::OrderText order = expr::parseOrderText(text);
    if (!order.ok()) return order.error;
    const store::FileDef& def = primary_.def();
    std::vector<Term> terms;
    for (const expr::OrderField& f : order.fields) {
        std::string_view name = f.name;
        const std::size_t colon = name.find(':');
        if (colon != std::string_view::npos) {
            if (compareTextNoCase(name.substr(0, colon), def.prefix) != 0)
                return expr::ExprError{0, "not a field of " + def.label + ": " + f.name};
            name = name.substr(colon + 1);
        }
        const int field = def.fieldIndex(name);
        if (field < 0) return expr::ExprError{0, "not a field of " + def.label + ": " + f.name};
        terms.push_back({field, f.descending});
    }
    out = std::move(terms);
    return std::nullopt;
}

std::optional<expr::ExprError> View::orderBy(std::string_view orderText) {
    std::vector<Term> terms;
    if (auto error = parseTerms(orderText, terms)) return error;
    key_ = -1;
    terms_ = std::move(terms);
    return std::nullopt;
}

std::optional<expr::ExprError> View::appendOrder(std::string_view orderText) {
    std::vector<Term> terms;
    if (auto error = parseTerms(orderText, terms)) return error;
    terms_.insert(terms_.end(), terms.begin(), terms.end());
    return std::nullopt;
}

void View::setRange(std::vector<std::function<Value()>> values) { range_ = std::move(values); }

void View::setRangeToParent(const FileManager& parent, const std::vector<std::string>& parentFields) {
    range_.clear();
    for (const std::string& name : parentFields) {
        const store::FieldDef* field = &parent.def().fields.at(parent.def().fieldIndex(name));
        const void* record = parent.record();
        range_.push_back([field, record] { return store::getField(*field, record); });
    }
}

std::vector<Value> View::rangeValues() const {
    std::vector<Value> values;
    values.reserve(range_.size());
    for (const auto& value : range_) values.push_back(value());
    return values;
}

void View::join(FileManager& parent, int parentKey, std::vector<std::string> fromFields, const FileManager* from) {
    const FileManager& source = from ? *from : primary_;
    Join j{&parent, parentKey, {}, &source};
    for (const std::string& name : fromFields) j.fromFields.push_back(source.def().fieldIndex(name));
    joins_.push_back(std::move(j));
}

std::optional<expr::ExprError> View::setFilter(std::string_view text, const expr::Bindings* names) {
    filter_.reset();
    if (clip(text).empty()) return std::nullopt;
    expr::Bindings fields(names);
    primary_.bindFields(fields);
    for (const Join& j : joins_) j.parent->bindFields(fields);
    expr::Expression compiled = expr::Expression::compile(text, fields);
    if (!compiled.ok()) return compiled.error();
    filter_ = std::move(compiled);
    return std::nullopt;
}

Level View::open() {
    if (Level level = primary_.useFile(); level != Level::Benign) return level;
    for (const Join& j : joins_)
        if (Level level = j.parent->useFile(); level != Level::Benign) return level;
    return Level::Benign;
}

std::vector<View::Term> View::orderTerms() const {
    std::vector<Term> terms;
    if (key_ >= 0)
        for (int f : primary_.def().keys[key_].fields) terms.push_back({f, false});
    terms.insert(terms.end(), terms_.begin(), terms_.end());
    return terms;
}

store::ScanSpec View::baseSpec() const {
    // A key order with appended terms stays a key order, so the key's index serves the read
    // and its blank entries are left out as the key says.
    store::ScanSpec spec;
    spec.keyIndex = key_;
    for (const Term& t : terms_) spec.terms.push_back({t.field, t.descending});
    spec.equal = rangeValues();
    return spec;
}

namespace {
bool sameValues(const std::vector<Value>& a, const std::vector<Value>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].isNumber() != b[i].isNumber()) return false;
        if (a[i].isNumber() ? a[i].number() != b[i].number() : a[i].text() != b[i].text()) return false;
    }
    return true;
}
}  // namespace

void View::joinParents() {
    for (Join& j : joins_) {
        const store::FileDef& parent = j.parent->def();
        const std::vector<int>& components = parent.keys[j.key].fields;
        std::vector<Value> link;
        for (std::size_t i = 0; i < components.size() && i < j.fromFields.size(); ++i)
            link.push_back(store::getField(j.from->def().fields[j.fromFields[i]], j.from->record()));
        if (reuseParents_ && j.known && sameValues(link, j.last)) continue;
        for (std::size_t i = 0; i < link.size(); ++i)
            store::setField(parent.fields[components[i]], j.parent->record(), link[i]);
        j.parent->fetch(j.key);
        j.last = std::move(link);
        j.known = true;
    }
}

std::vector<std::shared_ptr<store::Database>> View::databases() const {
    std::vector<std::shared_ptr<store::Database>> files{primary_.database()};
    for (const Join& j : joins_) files.push_back(j.parent->database());
    return files;
}

std::vector<Value> View::valuesOf(const std::vector<Term>& terms) const {
    const store::FileDef& def = primary_.def();
    std::vector<Value> values;
    values.reserve(terms.size());
    for (const Term& t : terms) values.push_back(store::getField(def.fields[t.field], primary_.record()));
    return values;
}

bool View::admit(Position pos, const std::vector<Term>& terms, ViewRow& row) {
    joinParents();
    if (filter_ && !filter_->test()) return false;
    row = {pos, valuesOf(terms)};
    return true;
}

std::vector<ViewRow> View::scan(store::ScanSpec spec, int count, const Visitor& each) {
    std::vector<ViewRow> rows;
    if (count <= 0 || primary_.useFile() != Level::Benign) return rows;
    const ViewReading reading(*this);
    const std::vector<Term> terms = orderTerms();
    const store::FileDef& def = primary_.def();
    // Without a filter every row read is shown: read no more than that.
    const int chunk = filter_ ? std::max(count, kChunk) : count;
    for (;;) {
        spec.limit = chunk;
        int scanned = 0;
        Position lastPos = 0;
        primary_.table().scan(spec, [&](Position pos, const void* record) {
            ++scanned;
            lastPos = pos;
            def.ops.copy(primary_.record(), record);
            primary_.remember(pos);
            ViewRow row;
            if (!admit(pos, terms, row)) return true;
            rows.push_back(std::move(row));
            if (each) each(rows.back());
            return static_cast<int>(rows.size()) < count;
        });
        if (static_cast<int>(rows.size()) >= count || scanned < chunk) return rows;
        // The filter or the key left rows out: go on after the last row scanned,
        // which is still in the buffer.
        spec.afterValues = valuesOf(terms);
        spec.afterPosition = lastPos;
        spec.fromValues.reset();
    }
}

std::vector<ViewRow> View::read(const ViewRow* from, int count, bool backward, const Visitor& each) {
    store::ScanSpec spec = baseSpec();
    spec.backward = backward;
    if (from) {
        spec.afterValues = from->orderValues;
        spec.afterPosition = from->pos;
    }
    return scan(std::move(spec), count, each);
}

std::vector<ViewRow> View::locate(const Value& value, int count, const Visitor& each) {
    store::ScanSpec spec = baseSpec();
    std::vector<Value> from = spec.equal;
    from.push_back(value);
    spec.fromValues = std::move(from);
    return scan(std::move(spec), count, each);
}

Level View::load(const ViewRow& row) {
    if (Level level = primary_.reget(row.pos); level != Level::Benign) return level;
    joinParents();
    return Level::Benign;
}

ViewReading::ViewReading(const View& view)
    : span_(view.databases()), suspending_(rt::addYieldHook(store::endReadSpans)) {}

ViewReading::~ViewReading() { rt::removeHook(suspending_); }

}  // namespace vx::data
