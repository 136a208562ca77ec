#include "platform/runtime/window_placement.h"

#include "platform/ui/window.h"

namespace vx::ui {

Window& Window::setDesignedGeometry(Geometry g) {
    designed_ = g;
    geometry_ = g;
    geometryKnown_ = true;
    noteChanged(0);
    return *this;
}

void Window::setGeometry(Geometry g) {
    geometry_ = g;
    geometryKnown_ = true;
    noteChanged(0);
}

void Window::setState(WindowState s) {
    state_ = s;
    noteChanged(0);
}

Window& Window::setPlacementSection(std::string section) {
    section_ = std::move(section);
    return *this;
}

void Window::restorePlacement(const rt::IniFile& ini) {
    const rt::WindowPlacement p = rt::fetchPlacement(ini, placementSection());
    state_ = p.maximized ? WindowState::Maximized : p.minimized ? WindowState::Minimized : WindowState::Normal;
    if (p.x) geometry_.x = *p.x;
    if (p.y) geometry_.y = *p.y;
    // A window that cannot be resized keeps its designed size.
    if (resize_ != ResizeStrategy::None) {
        if (p.width) geometry_.width = *p.width;
        if (p.height) geometry_.height = *p.height;
    }
    if (p.x || p.y || p.width || p.height) geometryKnown_ = true;
    noteChanged(0);
}

bool Window::savePlacement(rt::IniFile& ini) const {
    rt::WindowPlacement p;
    p.maximized = state_ == WindowState::Maximized;
    p.minimized = state_ == WindowState::Minimized;
    if (geometryKnown_) {
        p.x = geometry_.x;
        p.y = geometry_.y;
        p.width = geometry_.width;
        p.height = geometry_.height;
    }
    return rt::updatePlacement(ini, placementSection(), p, resize_ != ResizeStrategy::None);
}

}  // namespace vx::ui
