#pragma once
// Query by example for a browse: the window gives the items (a field expression,
// a label, a picture); the user gives conditions on them in the query form; the
// conditions make a filter text for the evaluator, which the browse applies
// beside its own filters. Named queries are kept in the INI file, each in a
// section "Query:<browse>:<name>" listed under "__Dont_Touch_Me__".
//
// A condition's value is held as its picture deformats it: a number (a date as
// its day number) in plain form, a text as typed. Text values are compared
// upper-cased when the item's expression is UPPER(...), so they match as typed
// in any case; quotes in them are doubled, so a value never breaks the filter.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/window_component.h"
#include "platform/core/picture.h"
#include "platform/runtime/ini_file.h"
#include "platform/ui/ids.h"

namespace vx::classes {

class BrowseClass;
class WindowManager;

enum class QueryOperator { Equal, NotEqual, Greater, GreaterEqual, Less, LessEqual, Contains, BeginsWith };

// The operators as the query form offers them ("=", "<>", ... "содержит", "начинается с").
const std::vector<std::string>& queryOperatorTexts();
std::string_view queryOperatorText(QueryOperator op);
std::optional<QueryOperator> queryOperatorOf(std::string_view text);

struct QueryItem {
    std::string expression;
    std::string label;
    Picture picture;
    // The operator a new condition starts with: ">=" for a label ending in " с", "<=" for " по", else "=".
    QueryOperator defaultOperator() const;
    bool numeric() const { return picture.kind() != Picture::Kind::Text && picture.kind() != Picture::Kind::None; }
};

struct QueryCondition {
    QueryOperator op = QueryOperator::Equal;
    std::string value;  // "" : no condition
    friend bool operator==(const QueryCondition&, const QueryCondition&) = default;
};
// One per item, in the items' order.
using QueryConditions = std::vector<QueryCondition>;

// The filter text of conditions on items: each condition in parentheses, joined by AND.
std::string queryFilter(const std::vector<QueryItem>& items, const QueryConditions& conditions);

class QueryFormClass : public WindowComponent {
public:
    // The INI file the named queries are kept in, under the browse's procedure name.
    void Init(rt::IniFile& ini, std::string browseName);
    // Quick queries: the form offers the named queries.
    void setQuickQueries(bool on) { quick_ = on; }
    bool quickQueries() const { return quick_; }
    void addItem(std::string expression, std::string label, std::string_view picture);
    const std::vector<QueryItem>& items() const { return items_; }

    // The button that opens the form for a browse: when the user applies a query,
    // the browse takes its filter and reads its rows again. Adds itself to the window's components.
    void attach(BrowseClass& browse, WindowManager& window, std::string_view button);

    const QueryConditions& conditions() const { return conditions_; }
    void setConditions(QueryConditions c);
    // The current filter ("" when no query was made).
    std::string filter() const { return queryFilter(items_, conditions_); }

    // Named queries of this browse, in the order they were first saved.
    std::vector<std::string> savedQueries() const;
    // Anything but Saved leaves the INI file unchanged.
    enum class SaveResult { Saved, BadName, LineBreak, NotWritten };
    SaveResult saveQuery(std::string_view name, const QueryConditions& conditions);
    // The INI file the queries live in ("" when none).
    std::string iniPath() const;
    std::optional<QueryConditions> loadQuery(std::string_view name) const;
    bool removeQuery(std::string_view name);

    // Shows the query form on this thread; true when the user applied a query.
    bool Ask();

    Level takeEvent(const ui::Event& e) override;

private:
    std::string sectionOf(std::string_view name) const;
    std::string prefix() const;

    rt::IniFile* ini_ = nullptr;
    std::string browse_;
    bool quick_ = false;
    std::vector<QueryItem> items_;
    QueryConditions conditions_;
    BrowseClass* target_ = nullptr;
    ui::ControlId button_ = 0;
};

}  // namespace vx::classes
