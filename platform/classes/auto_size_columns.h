#pragma once
// Column auto-size of a list: a double click on the divider after a column title
// fits that column to its title and the texts on display.

#include "platform/classes/window_component.h"
#include "platform/ui/list_control.h"

namespace vx::classes {

class WindowManager;

class AutoSizeColumnClass : public WindowComponent {
public:
    // Adds itself to the window's components.
    void Init(ui::ListControl& list, WindowManager& window);
    // Fits every column.
    void resizeAll();

    bool takeFirst(const ui::Event& e) override;

private:
    ui::ListControl* list_ = nullptr;
};

}  // namespace vx::classes
