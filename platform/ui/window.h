#pragma once
// A window of the model: its kind, caption and look, its control tree, the
// focus, its status bar and timer, its placement, and its event queue.
//
// A window belongs to the thread (fiber) that opens it. The window opened last
// on a thread is the one that thread works in: opening another window on the
// same thread (a form, a report, a picker called on the caller's fiber) blocks
// the windows under it until it closes, while the windows of every other thread
// stay live. A window is also blocked while its thread waits for a dialog.
//
// Event loop: nextEvent() first shows every control's variable (but not what a
// user is typing), then hands out the next queued event or suspends the thread
// until one is posted. The first event after open() is OpenWindow; events posted
// before open() follow it. Posting from any thread (or the main loop) wakes the
// window's thread.

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/ini_file.h"
#include "platform/runtime/threads.h"
#include "platform/ui/control.h"
#include "platform/ui/event.h"
#include "platform/ui/renderer.h"

namespace vx::ui {

enum class WindowKind { Frame, MdiChild, Plain };
enum class ResizeStrategy { Resize, Surface, None };
enum class WindowState { Normal, Maximized, Minimized };

struct Geometry {
    long x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

struct StatusZone {
    int width = 0;  // characters; -1 takes the rest
    std::string text{};
};

class Window {
public:
    // procedure: the window procedure's name (its INI section and error-manager name).
    Window(WindowKind kind, std::string procedure);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    WindowId id() const { return id_; }
    WindowKind kind() const { return kind_; }
    const std::string& procedure() const { return procedure_; }

    const std::string& caption() const { return caption_; }
    Window& setCaption(std::string c);
    const std::string& icon() const { return icon_; }
    Window& setIcon(std::string name);
    const FontSpec& font() const { return font_; }
    Window& setFont(FontSpec f);
    ResizeStrategy resize() const { return resize_; }
    Window& setResize(ResizeStrategy r);

    // ---- controls
    // The root column every layout starts in; the menu bar and toolbar, when built, sit beside it.
    ControlId root() const { return 1; }
    ControlId menuBar() const { return menuBar_; }
    ControlId toolbar() const { return toolbar_; }
    // Adds a control under `parent` (0: the root) and returns it. At run time (after
    // open) the renderer is told the structure changed.
    template <class C>
    C& add(std::unique_ptr<C> c, ControlId parent = 0) {
        C& ref = *c;
        adopt(std::move(c), parent);
        return ref;
    }
    void removeControl(ControlId id);
    Control* control(ControlId id) const;
    // By use-name (exact, case-insensitive); nullptr when none.
    Control* control(std::string_view useName) const;
    template <class C>
    C* as(std::string_view useName) const {
        return dynamic_cast<C*>(control(useName));
    }
    template <class C>
    C* as(ControlId id) const {
        return dynamic_cast<C*>(control(id));
    }
    ControlId idOf(std::string_view useName) const;
    // Every control in tree order (the root first).
    std::vector<ControlId> allControls() const;
    // Controls the focus visits with Tab, in order (shown, usable, taking focus).
    std::vector<ControlId> tabOrder() const;

    // ---- focus
    ControlId focused() const { return focus_; }
    // SELECT: the focus moves to the control (a Selected event when it moves);
    // what was being typed in the control it leaves is dropped.
    void select(ControlId id);
    // Moves the focus without an event (the first control before opening, a control that
    // became unusable); a control that cannot take it gives the first in tab order.
    void setFocusQuietly(ControlId id);

    // ---- values
    // DISPLAY: shows the variable of one control (0: all), dropping its typing.
    void display(ControlId id = 0);
    // UPDATE: takes typed text into the variables of one control (0: all); false
    // when some text did not fit its picture.
    bool update(ControlId id = 0);

    // ---- the buttons a form's Enter and Esc press (0: none)
    ControlId defaultButton() const { return defaultButton_; }
    ControlId cancelButton() const { return cancelButton_; }
    Window& setDefaultButton(ControlId id) {
        defaultButton_ = id;
        return *this;
    }
    Window& setCancelButton(ControlId id) {
        cancelButton_ = id;
        return *this;
    }

    // ---- alerts of the whole window
    const std::vector<Key>& alerts() const { return alerts_; }
    Window& alert(Key k);
    Window& removeAlert(Key k);
    Window& clearAlerts();
    bool alerted(Key k) const;

    // ---- events
    void post(Event e);
    bool hasEvents() const { return !queue_.empty(); }
    // The next event (see the head of this file). Throws std::logic_error when the
    // window is not open, or when it must wait but does not run on a thread.
    Event nextEvent();

    // ---- timer, in hundredths of a second (0: none)
    int timer() const { return timer_; }
    Window& setTimer(int hundredths);

    // ---- status bar: zones numbered from 1
    const std::vector<StatusZone>& statusZones() const { return status_; }
    Window& setStatusZones(std::vector<int> widths);
    // Text of zone n; a zone beyond the last one is added.
    Window& setStatusText(int zone, std::string text);
    std::string statusText(int zone) const;

    // ---- placement
    const Geometry& geometry() const { return geometry_; }
    bool geometryKnown() const { return geometryKnown_; }
    WindowState state() const { return state_; }
    // The designed position and size; also the minimum size.
    Window& setDesignedGeometry(Geometry g);
    const Geometry& designedGeometry() const { return designed_; }
    // What the renderer reports when the user moves, sizes, maximises or iconises the window.
    void setGeometry(Geometry g);
    void setState(WindowState s);
    // The INI section of the placement: the procedure's name unless set.
    const std::string& placementSection() const { return section_.empty() ? procedure_ : section_; }
    Window& setPlacementSection(std::string section);
    // Reads the window's section of the INI file (a missing key keeps the designed value).
    void restorePlacement(const rt::IniFile& ini);
    // Writes it; keys that do not apply are removed (runtime's updatePlacement).
    bool savePlacement(rt::IniFile& ini) const;

    // ---- life
    void open();
    void close();
    bool isOpen() const { return open_; }
    rt::ThreadId thread() const { return thread_; }
    // Covered by a later window of its thread, or its thread waits for a dialog.
    bool blocked() const;

    // ---- for the desktop and renderers
    // Marks a control (or, with 0, the window itself) changed.
    void noteChanged(ControlId id);
    ChangeSet takeChanges();
    // Sends what changed to the renderer (when open).
    void flush();
    // Timer bookkeeping, in hundredths on the program's clock.
    long long timerDue() const { return timerDue_; }
    void timerFired(long long now);
    bool hasQueued(EventKind kind) const;

private:
    void adopt(std::unique_ptr<Control> c, ControlId parent);
    void collect(ControlId id, std::vector<ControlId>& out) const;
    void showVariables(bool keepTyping);

    WindowId id_;
    WindowKind kind_;
    std::string procedure_;
    std::string section_;
    std::string caption_, icon_;
    FontSpec font_;
    ResizeStrategy resize_ = ResizeStrategy::Resize;

    std::vector<std::unique_ptr<Control>> controls_;  // by id - 1; removed ones are null
    ControlId menuBar_ = 0, toolbar_ = 0;
    ControlId focus_ = 0;
    ControlId defaultButton_ = 0, cancelButton_ = 0;
    std::vector<Key> alerts_;
    std::deque<Event> queue_;

    int timer_ = 0;
    long long timerDue_ = 0;
    std::vector<StatusZone> status_;

    Geometry designed_, geometry_;
    bool geometryKnown_ = false;
    WindowState state_ = WindowState::Normal;

    bool open_ = false;
    rt::ThreadId thread_ = 0;
    ChangeSet changes_;
};

}  // namespace vx::ui
