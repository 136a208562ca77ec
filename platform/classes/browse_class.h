#pragma once
// A browse list (BRW1 ... BRW10): the rows of a view shown page by page in a
// list control, with sort orders (each with its locator, range, filters and
// appended order), row looks, and the list's insert, change and delete through
// the window's update dispatch.
//
// The record buffers always hold the highlighted row: a fill or a move loads
// it, and so does a user's move inside the page, before the window's own
// handlers see the event. After every fill, page move or locator search the
// browse posts a new-selection event to its list, unless the list was empty
// and still is. A browse must be reset when its range values changed since it
// was filled (a parent list moved): the window then resets as a whole. When
// records of its primary file were written (by any window), it reads its rows
// again at once.
//
// A refill of the same order and range (the window's reset, a write) keeps the
// page's top row and the highlighted record where they were: the model's first
// row is the same record as before, and so is its current row at the same
// index, as long as they are still stored. A highlighted record that is gone
// leaves the highlight on the row after it. After a write the list posts its
// new-selection event only when another record came under the highlight, so a
// window that did not act does not act as if its user had moved.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/locators.h"
#include "platform/classes/window_component.h"
#include "platform/data/relation_manager.h"
#include "platform/data/view.h"
#include "platform/expr/bindings.h"
#include "platform/ui/list_control.h"

namespace vx::classes {

class WindowManager;

class BrowseClass : public WindowComponent {
public:
    BrowseClass() = default;
    BrowseClass(const BrowseClass&) = delete;
    BrowseClass& operator=(const BrowseClass&) = delete;

    // Binds the browse to its list, its primary file's relation manager and its
    // window, and adds it to the window's components.
    virtual void Init(ui::ListControl& list, data::RelationManager& primary, WindowManager& window);

    ui::ListControl& list() const { return *list_; }
    data::FileManager& primary() const { return primary_->access(); }
    // The view, for joins (made before the filters that use joined names).
    data::View& view() { return *view_; }

    // ---- sort orders, numbered from 1 in the order added
    int addSortOrder(int keyIndex, Locator* locator = nullptr);
    int addSortOrder(std::string_view orderText, Locator* locator = nullptr);
    // These set up the sort order added last.
    void appendOrder(std::string_view orderText);
    // The leading order components are fixed to these values, read at every fill.
    void addRange(std::vector<std::function<Value()>> values);
    // ... to fields of a parent file's current record (through a relation).
    void addRangeToParent(const data::FileManager& parent, std::vector<std::string> parentFields);

    // A filter of the current sort order (of the one added last during set-up);
    // every filter id holds at once; an empty text removes that filter. The
    // filters are compiled against the view's files, the range's parent file and `names`.
    void setFilter(std::string_view text, std::string_view id = {});
    // The query form's filter: it holds beside the filters of every sort order.
    void setQueryFilter(std::string_view text);
    void setFilterNames(const expr::Bindings* names);

    // ---- the cells of a row, in column order
    void addField(const data::FileManager& file, std::string_view field);
    void addField(std::function<Value()> value);

    // ---- insert, change and delete
    void setUpdateProcedure(int number) { updateProcedure_ = number; }
    // The window's buttons for this list; ignored in a window opened for viewing.
    void setUpdateControls(std::string_view insert, std::string_view change, std::string_view remove);
    // Insert, Ctrl+Enter, Delete and a double click act as the buttons (on unless switched off).
    void setEditKeys(bool on) { editKeys_ = on; }
    // Asks the window's update dispatch; after it the list is refreshed. Answers the response.
    Byte ask(Byte request);

    // ---- the current sort order
    // Makes `order` current; fills when it changed, when forced, or when its range
    // values changed. Changing the order clears a column sort. True when it filled.
    virtual bool SetSort(int order, bool force = false);
    // Chooses the sort order at every reset (windows choose by their sheet's tab).
    virtual bool ResetSort(bool force);
    int currentSort() const { return current_; }
    Locator* locator() const;

    // ---- column sort: an order text replacing the current one, keeping its
    // range and locator; empty restores the sort order's own order.
    void applyColumnSort(std::string_view orderText);
    bool columnSorted() const { return !columnOrder_.empty(); }
    // The order text that sorts by column `column` (0-based); "" when the column is not a field of the primary file.
    std::string columnOrderText(int column, bool descending) const;

    // ---- filling
    // Reads the rows again, keeping the highlighted record in view where it still is.
    void resetFromFile();
    // Shows the rows around the record in the primary buffer, highlighting it.
    void resetFromBuffer();
    // The highlighted row (0-based), -1 when the list is empty.
    int highlighted() const { return list_->model().current(); }

    // ---- row look: the library copies the fields into the row, the window adds its looks
    virtual void SetQueueRecord();

    // ---- WindowComponent
    bool takeFirst(const ui::Event& e) override;
    Level takeEvent(const ui::Event& e) override;
    bool resetRequired() override;
    void reset(bool force) override;
    void SetAlerts() override;

protected:
    // While SetQueueRecord runs: the row being built and its position on the page (0-based).
    ui::ListRow& queueRow() { return queueRow_; }
    int queuePosition() const { return queuePosition_; }
    ui::CellLook& cellLook(int column);

private:
    struct SortOrder {
        int key = -1;
        std::string orderText;
        std::string appended;
        Locator* locator = nullptr;
        std::vector<std::function<Value()>> range;
        const data::FileManager* parent = nullptr;
        std::vector<std::string> parentFields;
        std::vector<std::pair<std::string, std::string>> filters;  // id, text
    };
    struct FieldSource {
        std::function<Value()> value;
        const store::FileDef* file = nullptr;  // when the cell is a file's field
        int field = -1;
    };
    enum class Fill { Top, Bottom, AtHighlighted, Kept };

    SortOrder& setupOrder();
    void applyOrder();
    void applyFilters();
    std::vector<int> orderFields() const;
    int rangeCount() const;
    data::ViewRow rowOfBuffer() const;

    // browse_fill.cpp
    void fill(Fill how);
    void fillAt(const data::ViewRow& target);
    // The page from `top` on (from the start when null), highlighting `wanted` (the
    // first row when null), or the row after it when it is gone; false when the view
    // cannot be read (the window closes).
    bool pageFrom(const data::ViewRow* top, const data::ViewRow* wanted);
    // The page again from its top row, the highlighted record kept.
    bool keepPage();
    // The rows again after a write; a new selection only when another record came under the highlight.
    void showWritten();
    void locate(const std::string& typed);
    void scroll(ui::EventKind kind, int thumb);
    void setPage(std::vector<data::ViewRow> rows, int current);
    std::vector<data::ViewRow> completed(std::vector<data::ViewRow> rows, int& current);
    // false when the highlighted record is gone
    bool loadHighlighted();
    void postNewSelection(bool wasEmpty);
    int pageSize() const;

    WindowManager* window_ = nullptr;
    ui::ListControl* list_ = nullptr;
    data::RelationManager* primary_ = nullptr;
    std::unique_ptr<data::View> view_;
    const expr::Bindings* names_ = nullptr;

    std::vector<SortOrder> orders_;
    int current_ = 0;
    bool applied_ = false;
    std::string columnOrder_;
    std::string queryFilter_;
    std::vector<FieldSource> fields_;

    int updateProcedure_ = 0;
    ui::ControlId insert_ = 0, change_ = 0, delete_ = 0;
    bool editKeys_ = true;

    std::vector<data::ViewRow> rows_;
    int loaded_ = -1;
    bool filled_ = false;
    std::vector<Value> lastRange_;
    bool atTop_ = true, atBottom_ = true;

    ui::ListRow queueRow_;
    int queuePosition_ = 0;
};

}  // namespace vx::classes
