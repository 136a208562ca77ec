#pragma once
// A list on a window. Its rows are the ones on display (ListModel); the user's
// moves inside them change the highlighted row and report NewSelection, while
// moves past them (Down on the last row, PageDown, the scroll bar...) are
// reported as scroll events for the list's owner to page its data and refill.
// The list highlights the whole row, or only the cell in the column where the
// mouse went down.

#include "platform/ui/control.h"
#include "platform/ui/list_model.h"

namespace vx::ui {

class ListControl : public Control {
public:
    explicit ListControl(std::string useName);

    const ListModel& model() const { return model_; }
    // The model, for changing it: marks the list changed.
    ListModel& change();

    // Rows the list has room for (its owner fills this many); the renderer
    // reports it when the list is sized; the layout gives the first value.
    int pageSize() const { return pageSize_; }
    ListControl& setPageSize(int rows);

    bool wholeRowHighlight() const { return wholeRow_; }
    ListControl& setWholeRowHighlight(bool whole);
    // The column in which the mouse last went down (0-based).
    int mouseColumn() const { return mouseColumn_; }
    void setMouseColumn(int column);

    // Where the owner says its page lies in the whole data, 0..100 (the scroll bar's thumb).
    int scrollPosition() const { return scrollPos_; }
    ListControl& setScrollPosition(int percent);

    bool takesFocus() const override { return true; }
    // The highlighted row's cells joined by "|" ("" when none).
    std::string shownValue() const override;

private:
    ListModel model_;
    int pageSize_ = 10;
    bool wholeRow_ = true;
    int mouseColumn_ = 0;
    int scrollPos_ = 0;
};

}  // namespace vx::ui
