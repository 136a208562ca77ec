#pragma once
// How a window procedure runs its window: the window of the procedure's name,
// its layout, then its manager until it closes, the manager's answer left in the
// thread's GLOBALRESPONSE.

#include <string>
#include <string_view>
#include <utility>

#include "platform/runtime/thread_state.h"
#include "platform/ui/window.h"

namespace vx::windows {

// `layout(window)` lays the window out; `args` go to the manager after the window.
template <class Manager, class Layout, class... Args>
void runWindowOfKind(ui::WindowKind kind, std::string_view procedure, Layout&& layout, Args&&... args) {
    ui::Window w(kind, std::string(procedure));
    layout(w);
    Manager ThisWindow(w, std::forward<Args>(args)...);
    *rt::GLOBALRESPONSE = ThisWindow.Run();
}

// The common case: an MDI child of the frame.
template <class Manager, class Layout, class... Args>
void runWindow(std::string_view procedure, Layout&& layout, Args&&... args) {
    runWindowOfKind<Manager>(ui::WindowKind::MdiChild, procedure, std::forward<Layout>(layout),
                             std::forward<Args>(args)...);
}

}  // namespace vx::windows
