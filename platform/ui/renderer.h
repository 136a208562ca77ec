#pragma once
// What draws the windows. The model calls a renderer synchronously, from the
// fiber that changed something (or from the main loop); a renderer must return
// promptly and never resume fibers or run a nested event loop inside these calls.
// What the user does goes back through the functions of user_input.h, called
// from the renderer's main loop, which then runs Desktop::runPending().

#include <vector>

#include "platform/ui/ids.h"

namespace vx::ui {

class Window;
class Dialog;

// What changed in a window since the last notice.
struct ChangeSet {
    bool window = false;     // caption, icon, status bar, timer, placement, blocking...
    bool structure = false;  // controls were added or removed
    std::vector<ControlId> controls;
    bool empty() const { return !window && !structure && controls.empty(); }
};

enum class ArrangeMode { Tile, Cascade, ArrangeIcons };
enum class HelpRequest { Contents, Search, HelpOnHelp };

class Renderer {
public:
    virtual ~Renderer() = default;

    // The window is open with its whole control tree; it becomes the active window.
    virtual void windowOpened(Window& w) = 0;
    virtual void windowChanged(Window& w, const ChangeSet& changes) = 0;
    // Called while the window object still exists; it goes right after.
    virtual void windowClosed(Window& w) = 0;
    // The program activated another window (for example after the active one closed), or gives
    // the activation back to the window whose dialog closed: it takes the keyboard again.
    virtual void windowActivated(Window& w) = 0;

    // A dialog waits for its answer (Dialog::answer), given now or later from the main loop.
    virtual void dialogRequested(Dialog& d) = 0;

    // The process-wide look (tooltips, default font) changed: Desktop::look().
    virtual void lookChanged() = 0;
    virtual void arrange(ArrangeMode mode) = 0;
    virtual void help(HelpRequest request) = 0;
    // A long piece of work (the office server's start) begins or ends: the pointer shows it.
    virtual void busy(bool /*working*/) {}
};

}  // namespace vx::ui
