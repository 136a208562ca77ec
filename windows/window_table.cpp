#include "windows/window_table.h"

#include "platform/core/text.h"
#include "platform/runtime/threads.h"

namespace vx::windows {

namespace {

bool same(std::string_view a, std::string_view b) { return compareTextNoCase(a, b) == 0; }

}  // namespace

const Window* WindowTable::find(std::string_view name) const {
    for (const Window& w : rows_)
        if (w.procedure && same(w.name, name)) return &w;
    return nullptr;
}

std::function<void()> WindowTable::procedure(std::string_view name) const {
    const Window* w = find(name);
    return w ? w->procedure : nullptr;
}

const Window* WindowTable::startedBy(std::string_view control, std::size_t& stack) const {
    if (control.empty()) return nullptr;
    for (const Window& w : rows_) {
        for (const FrameControl& c : {w.menuItem, w.button})
            if (!c.useName.empty() && same(c.useName, control)) {
                stack = c.stack;
                return &w;
            }
    }
    return nullptr;
}

bool WindowTable::start(std::string_view name, std::size_t stack) const {
    const Window* w = find(name);
    if (!w) return false;
    rt::startThread(w->procedure, stack);
    return true;
}

WindowTable WindowTable::with(
    std::initializer_list<std::pair<std::string_view, std::function<void()>>> procedures) const {
    WindowTable out;
    for (Window w : rows_) {
        w.procedure = nullptr;
        for (const auto& [name, procedure] : procedures)
            if (same(w.name, name)) w.procedure = procedure;
        out.add(std::move(w));
    }
    return out;
}

}  // namespace vx::windows
