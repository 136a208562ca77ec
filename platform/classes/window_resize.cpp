#include "platform/classes/window_resize.h"

#include <algorithm>

namespace vx::classes {

void WindowResizeClass::Init(ui::Window& window, ui::ResizeStrategy strategy) {
    window_ = &window;
    window.setResize(strategy);
    minimum_ = window.designedGeometry();
}

Level WindowResizeClass::takeEvent(const ui::Event& e) {
    if (!window_ || e.kind != ui::EventKind::Sized || !window_->geometryKnown()) return Level::Benign;
    ui::Geometry g = window_->geometry();
    const ui::Geometry wanted{g.x, g.y, std::max(g.width, minimum_.width), std::max(g.height, minimum_.height)};
    if (!(wanted == g)) window_->setGeometry(wanted);
    return Level::Benign;
}

}  // namespace vx::classes
