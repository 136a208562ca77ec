#pragma once
// The process-wide side of the window model: the open windows (in the order
// they opened) and which one is active, each thread's stack of windows, the
// renderer, the process-wide look (tooltips, default font), the keyboard state
// behind "Ctrl pressed alone", the clipboard, and the main loop's step.
//
// The main loop (the renderer's, or the headless harness) calls runPending()
// whenever it is idle: it fires the window timers that are due on the program's
// clock, resumes every thread that is ready, and sends pending changes to the
// renderer. Nothing else resumes threads.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/threads.h"
#include "platform/ui/event.h"
#include "platform/ui/renderer.h"
#include "platform/ui/style.h"

namespace vx::ui {

class Window;
class Dialog;

// The process-wide look: tooltips and the default font.
struct Look {
    bool tooltipsShown = true;
    FontSpec tooltipFont{};
    Colour tooltipBackground = kNoColour;
    Colour tooltipText = kNoColour;
    int tooltipCharset = 0;
    int tooltipShowMs = 0;      // how long a tooltip stays up; 0: the renderer's default
    int defaultFontWeight = 0;  // the process's default font style; 0: normal
};

class Desktop {
public:
    Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Installs a renderer (nullptr: none) and returns the previous one.
    Renderer* setRenderer(Renderer* r);
    Renderer* renderer() const { return renderer_; }

    // Open windows in the order they opened.
    const std::vector<Window*>& windows() const { return open_; }
    Window* window(WindowId id) const;
    // The first open frame, nullptr when none.
    Window* frame() const;
    Window* activeWindow() const;
    // The window a thread works in (the last one it opened), nullptr when none.
    Window* topWindowOf(rt::ThreadId thread) const;
    // Makes a window the active one (GainFocus to it, LoseFocus to the one before).
    void activate(Window& w);

    // Posts to a window by id; false when it is not open.
    bool post(WindowId id, Event e);
    // Posts to the window a thread works in; false when the thread has none.
    bool postToThread(rt::ThreadId thread, Event e);
    // Every open window, the writer's too, hears that records of a file were written.
    void announceWrite(std::string_view file);
    // The program ends: every open window gets CloseDown.
    void closeDown();

    const Look& look() const { return look_; }
    // Changes the look through `edit` and tells the renderer.
    template <class F>
    void changeLook(F edit) {
        edit(look_);
        if (renderer_) renderer_->lookChanged();
    }

    // "Ctrl pressed alone" counts only when the key or click reported before it was
    // made without Ctrl; holding Ctrl down does not repeat it. Returns whether this
    // Ctrl counts, and records it.
    bool ctrlAloneCounts();
    // Every other key or click the user makes goes through here.
    void noteInput(const Key& k);
    // The key or click noted last: a focus event after a click is that click's, not a Tab's.
    const Key& lastInput() const { return lastInput_; }

    const std::string& clipboard() const { return clipboard_; }
    void setClipboard(std::string text) { clipboard_ = std::move(text); }

    void arrange(ArrangeMode mode);
    void help(HelpRequest request);
    // Nested long pieces of work; the renderer shows a busy pointer while any runs.
    void busy(bool working);

    // One step of the main loop (see the head of this file). Returns whether any
    // thread ran or any timer fired. Throws std::logic_error inside a thread.
    bool runPending();
    // Hundredths until the next window timer is due (0: due now), nullopt when none runs.
    std::optional<long long> untilNextTimer() const;
    // The program's clock as a running count of hundredths (today and the time of day).
    static long long clockNow();

    // Sends every window's pending changes to the renderer.
    void flushChanges();

    // ---- for Window and Dialog
    void opened(Window& w);
    void closed(Window& w);
    void changedPending(Window& w);
    void dialogOpened(Dialog& d);
    void dialogClosed(Dialog& d);
    // Whether a thread waits for a dialog.
    bool threadInDialog(rt::ThreadId thread) const;
    const std::vector<Dialog*>& dialogs() const { return dialogs_; }

private:
    bool fireDueTimers();
    void notifyBlocking(rt::ThreadId thread);

    Renderer* renderer_ = nullptr;
    std::vector<Window*> open_;
    int busyDepth_ = 0;
    std::vector<WindowId> activation_;  // most recently active last
    std::vector<WindowId> dirty_;
    std::vector<Dialog*> dialogs_;
    Look look_;
    bool lastInputHadCtrl_ = false;
    Key lastInput_{};
    std::string clipboard_;
};

// The process's desktop.
Desktop& desktop();

// A busy pointer for as long as it lives.
class BusyCursor {
public:
    BusyCursor() { desktop().busy(true); }
    ~BusyCursor() { desktop().busy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace vx::ui
