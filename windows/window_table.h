#pragma once
// The program's windows, one row each: the procedure that runs the window, how
// it is started, the stack its thread asks for, and the frame's menu item and
// toolbar button that start it. The frame, the script runner and the features
// all read a table of these rows: a feature starts another feature's window, or
// opens its form or report, by name through the table it is given, so the
// features link none of each other's windows. The program's own table is
// app/program_windows.cpp. A row without a procedure is a window not
// built yet: its item and button are shown and start nothing.

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace vx::windows {

enum class Start {
    Thread,  // a window of its own thread, from the frame or a script
    Modal,   // a form its list calls on the list's thread and waits for
    Tool,    // a list the buttons of other windows also start on a thread of its own
};

// A control of the frame that starts the window on a new thread asking for `stack` bytes.
struct FrameControl {
    std::string_view useName;  // empty: none
    std::size_t stack = 0;
};

struct Window {
    std::string_view name;
    std::function<void()> procedure;  // empty: not built yet
    Start start = Start::Thread;
    std::size_t stack = 25000;  // asked for when started by name
    FrameControl menuItem;
    FrameControl button;
};

class WindowTable {
public:
    WindowTable() = default;
    explicit WindowTable(std::vector<Window> rows) : rows_(std::move(rows)) {}

    const std::vector<Window>& rows() const { return rows_; }
    // The window of that name, its case not counting, when it has a procedure.
    const Window* find(std::string_view name) const;
    // Its procedure, for a list's update dispatch; empty when it is not built.
    std::function<void()> procedure(std::string_view name) const;
    // The window a menu item or toolbar button of the frame starts, with that control's stack.
    const Window* startedBy(std::string_view control, std::size_t& stack) const;
    // Starts the window of that name on a new thread; false when it is not built.
    bool start(std::string_view name, std::size_t stack) const;

    // These rows with the procedures given by name, and none for the others: what a
    // test starts in place of the program's windows.
    WindowTable with(std::initializer_list<std::pair<std::string_view, std::function<void()>>> procedures) const;
    void add(Window row) { rows_.push_back(std::move(row)); }

private:
    std::vector<Window> rows_;
};

}  // namespace vx::windows
