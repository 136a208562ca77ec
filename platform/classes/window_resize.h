#pragma once
// A window's resizer: its resize strategy, and a minimum size equal to the size
// it opens with (no maximum). How each control follows the window is the renderer's.

#include "platform/classes/window_component.h"
#include "platform/ui/window.h"

namespace vx::classes {

class WindowResizeClass : public WindowComponent {
public:
    // At the window's opening, after its designed geometry is known.
    void Init(ui::Window& window, ui::ResizeStrategy strategy);

    // A size below the minimum is brought back to it.
    Level takeEvent(const ui::Event& e) override;

private:
    ui::Window* window_ = nullptr;
    ui::Geometry minimum_;  // the opening size; 0 wide or high while the window has no designed size
};

}  // namespace vx::classes
