#include "platform/classes/query_form.h"

#include <array>
#include <stdexcept>

#include "platform/classes/browse_class.h"
#include "platform/classes/query_form_visual.h"
#include "platform/classes/window_manager.h"
#include "platform/core/text.h"
#include "platform/runtime/ini_document.h"
#include "platform/runtime/saved_queries.h"

namespace vx::classes {

namespace {

constexpr std::array<std::pair<QueryOperator, std::string_view>, 8> kOperators{{
    {QueryOperator::Equal, "="},
    {QueryOperator::NotEqual, "<>"},
    {QueryOperator::Greater, ">"},
    {QueryOperator::GreaterEqual, ">="},
    {QueryOperator::Less, "<"},
    {QueryOperator::LessEqual, "<="},
    {QueryOperator::Contains, "содержит"},
    {QueryOperator::BeginsWith, "начинается с"},
}};

std::string textLiteral(std::string_view text) { return "'" + replaceAll(text, "'", "''") + "'"; }

std::string condition(const QueryItem& item, const QueryCondition& c) {
    std::string literal;
    if (item.numeric()) {
        const std::optional<Decimal> number = Decimal::parse(c.value);
        if (!number) return {};
        literal = number->plain();
    } else {
        const bool upperCased = upper(item.expression.substr(0, 6)) == "UPPER(";
        literal = textLiteral(upperCased ? upper(clip(c.value)) : clip(c.value));
    }
    switch (c.op) {
    case QueryOperator::Contains:
        return "INSTRING(" + (item.numeric() ? textLiteral(literal) : literal) + "," + item.expression + ",1,1) <> 0";
    case QueryOperator::BeginsWith:
        return "INSTRING(" + (item.numeric() ? textLiteral(literal) : literal) + "," + item.expression + ",1,1) = 1";
    default: return item.expression + " " + std::string(queryOperatorText(c.op)) + " " + literal;
    }
}

}  // namespace

const std::vector<std::string>& queryOperatorTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> out;
        for (const auto& [op, text] : kOperators) out.emplace_back(text);
        return out;
    }();
    return texts;
}

std::string_view queryOperatorText(QueryOperator op) {
    for (const auto& [o, text] : kOperators)
        if (o == op) return text;
    return "=";
}

std::optional<QueryOperator> queryOperatorOf(std::string_view text) {
    for (const auto& [op, t] : kOperators)
        if (equalText(t, trim(text))) return op;
    return std::nullopt;
}

QueryOperator QueryItem::defaultOperator() const {
    const std::string l = clip(label);
    if (l.ends_with(" с")) return QueryOperator::GreaterEqual;
    if (l.ends_with(" по")) return QueryOperator::LessEqual;
    return QueryOperator::Equal;
}

std::string queryFilter(const std::vector<QueryItem>& items, const QueryConditions& conditions) {
    std::string out;
    for (std::size_t i = 0; i < items.size() && i < conditions.size(); ++i) {
        if (clip(conditions[i].value).empty()) continue;
        const std::string c = condition(items[i], conditions[i]);
        if (!c.empty()) out += (out.empty() ? "(" : " AND (") + c + ")";
    }
    return out;
}

void QueryFormClass::Init(rt::IniFile& ini, std::string browseName) {
    ini_ = &ini;
    browse_ = std::move(browseName);
}

void QueryFormClass::addItem(std::string expression, std::string label, std::string_view picture) {
    QueryItem item{std::move(expression), std::move(label), Picture::parse(picture)};
    conditions_.push_back({item.defaultOperator(), {}});
    items_.push_back(std::move(item));
}

void QueryFormClass::attach(BrowseClass& browse, WindowManager& window, std::string_view button) {
    target_ = &browse;
    button_ = window.id(button);
    window.addItem(*this);
}

void QueryFormClass::setConditions(QueryConditions c) {
    c.resize(items_.size());
    conditions_ = std::move(c);
}

std::string QueryFormClass::prefix() const { return "Query:" + browse_ + ":"; }

std::string QueryFormClass::sectionOf(std::string_view name) const { return prefix() + trim(name); }

std::vector<std::string> QueryFormClass::savedQueries() const {
    std::vector<std::string> out;
    if (!ini_) return out;
    const std::string p = prefix();
    for (const std::string& section : rt::registeredSections(*ini_))
        if (section.size() > p.size() && compareTextNoCase(section.substr(0, p.size()), p) == 0)
            out.push_back(section.substr(p.size()));
    return out;
}

std::string QueryFormClass::iniPath() const { return ini_ ? ini_->path().string() : std::string(); }

QueryFormClass::SaveResult QueryFormClass::saveQuery(std::string_view name, const QueryConditions& conditions) {
    if (!ini_ || trim(name).empty()) return SaveResult::BadName;
    std::string section;
    try {
        section = rt::IniDocument::checkedSectionName(sectionOf(name));
    } catch (const std::invalid_argument&) {
        return SaveResult::BadName;
    }
    // A line of the INI file cannot hold a line break: refused before anything is written.
    for (const QueryCondition& c : conditions)
        if (c.value.find_first_of("\r\n") != std::string::npos) return SaveResult::LineBreak;
    const bool written = ini_->edit([&](rt::IniDocument& doc) {
        doc.removeSection(section);
        for (std::size_t i = 0; i < conditions.size() && i < items_.size(); ++i)
            if (!clip(conditions[i].value).empty())
                doc.put(section, "Item" + std::to_string(i + 1),
                        std::string(queryOperatorText(conditions[i].op)) + "|" + conditions[i].value);
    });
    return written && rt::registerSection(*ini_, section) ? SaveResult::Saved : SaveResult::NotWritten;
}

std::optional<QueryConditions> QueryFormClass::loadQuery(std::string_view name) const {
    if (!ini_) return std::nullopt;
    const std::string section = sectionOf(name);
    const rt::IniDocument doc = ini_->read();
    bool known = false;
    for (const std::string& s : rt::registeredSections(*ini_)) known = known || compareTextNoCase(s, section) == 0;
    if (!known) return std::nullopt;
    QueryConditions out;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        QueryCondition c{items_[i].defaultOperator(), {}};
        if (std::optional<std::string> entry = doc.get(section, "Item" + std::to_string(i + 1))) {
            const std::size_t bar = entry->find('|');
            if (const auto op = queryOperatorOf(entry->substr(0, bar))) c.op = *op;
            if (bar != std::string::npos) c.value = entry->substr(bar + 1);
        }
        out.push_back(std::move(c));
    }
    return out;
}

bool QueryFormClass::removeQuery(std::string_view name) {
    return ini_ && rt::unregisterSection(*ini_, sectionOf(name));
}

bool QueryFormClass::Ask() { return askQueryForm(*this); }

Level QueryFormClass::takeEvent(const ui::Event& e) {
    if (!target_ || e.kind != ui::EventKind::Accepted || e.control != button_) return Level::Benign;
    if (Ask()) {
        target_->setQueryFilter(filter());
        target_->resetFromFile();
    }
    return Level::Benign;
}

}  // namespace vx::classes
