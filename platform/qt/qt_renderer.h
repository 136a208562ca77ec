#pragma once
// The Qt Widgets renderer of the window model. Each open window has a
// WindowView. The model calls in here from fibers or the main loop; drawing
// never runs the model. What the user does comes back through act(): it runs
// the user-input call at once when it comes from Qt's event loop, or later
// (queued) when Qt reports it while a redraw is under way, then asks the main
// loop for a step.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "platform/qt/main_loop.h"
#include "platform/ui/renderer.h"
#include "platform/ui/window.h"

namespace vx::qt {

class WindowView;
class InputRouter;

class QtRenderer : public ui::Renderer {
public:
    explicit QtRenderer(MainLoop& loop);
    ~QtRenderer() override;

    void windowOpened(ui::Window& w) override;
    void windowChanged(ui::Window& w, const ui::ChangeSet& changes) override;
    void windowClosed(ui::Window& w) override;
    void windowActivated(ui::Window& w) override;
    void dialogRequested(ui::Dialog& d) override;
    void lookChanged() override;
    void arrange(ui::ArrangeMode mode) override;
    void help(ui::HelpRequest request) override;
    void busy(bool working) override;

    using Action = std::function<void(ui::Window&)>;
    // Runs a user's action on an open window, then redraws `control` (0: none) from
    // the model, so a refused action leaves the widget as the model has it.
    void act(ui::WindowId window, ui::ControlId control, Action action);
    // Whether the renderer is drawing (Qt's signals then come from the drawing, not the user).
    bool drawing() const { return drawing_ > 0; }
    MainLoop& loop() { return loop_; }
    // Why the model's focus moves now: Tab lets an entry select its text as Qt's own Tab does.
    Qt::FocusReason focusReason() const { return focusReason_; }
    void setFocusReason(Qt::FocusReason r) { focusReason_ = r; }

    WindowView* view(ui::WindowId id) const;
    WindowView* frameView() const;
    // How many windows already stand where `v` opens (the MDI area or the desktop): its cascade step.
    int cascadeSlot(const WindowView& v) const;
    // The widget a window is shown in (for tests: grab it, find its controls).
    QWidget* topWidget(ui::WindowId id) const;

    class Drawing {
    public:
        explicit Drawing(QtRenderer& r) : r_(r) { ++r_.drawing_; }
        ~Drawing() { --r_.drawing_; }
        Drawing(const Drawing&) = delete;
        Drawing& operator=(const Drawing&) = delete;

    private:
        QtRenderer& r_;
    };

private:
    void run(ui::WindowId window, ui::ControlId control, const Action& action);
    // Shows a window that opened and is not shown yet, where its placement puts it.
    void showOpened(ui::WindowId id);

    MainLoop& loop_;
    std::map<ui::WindowId, std::unique_ptr<WindowView>> views_;
    std::unique_ptr<InputRouter> router_;
    int drawing_ = 0;
    Qt::FocusReason focusReason_ = Qt::OtherFocusReason;
};

}  // namespace vx::qt
