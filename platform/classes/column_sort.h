#pragma once
// The column sort of a browse: a click on a column title sorts the list by that
// column, a second click on it sorts it backwards, a third restores the
// browse's own order. The browse keeps its range and locator (the locator moves
// to the new first column). Nothing is kept between runs.

#include <string_view>

#include "platform/classes/browse_class.h"

namespace vx::classes {

class ColumnSortClass : public WindowComponent {
public:
    // Adds itself to the window's components.
    void Init(BrowseClass& browse, WindowManager& window);

    // The new sort text ("" restores the browse's own order). Windows redefine it
    // to hear of the new order; the library's version re-sorts the browse.
    virtual void QueueResorted(std::string_view sortText);

    bool takeFirst(const ui::Event& e) override;

private:
    BrowseClass* browse_ = nullptr;
    int column_ = -1;
    bool descending_ = false;
};

}  // namespace vx::classes
