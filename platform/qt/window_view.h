#pragma once
// One open window on screen: an MDI frame (QMainWindow with an MDI area, menu
// bar, toolbar and status bar), an MDI child (a sub-window of the frame's MDI
// area; a top-level window when no frame is open) or a plain window. It builds
// a widget for every control of the model's tree and redraws what changed.
// A window whose thread is held (by a later window of its thread or a dialog)
// is shown disabled; the frame keeps its MDI area live. A window opened over
// another of its thread (a form, a picker) is a dialog centred on that window,
// never maximized, so the caller keeps its own state.

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QStatusBar>
#include <map>
#include <vector>

#include "platform/qt/qt_renderer.h"
#include "platform/ui/window.h"

class QAction;
class QLayout;
class QMenu;
class QToolBar;

namespace vx::qt {

class WindowView : public QObject {
public:
    // `caller`: the window of the same thread this one was opened over (a form, a picker), 0 when none.
    WindowView(ui::Window& w, QtRenderer& r, ui::WindowId caller = 0);
    ~WindowView() override;

    ui::WindowId id() const { return id_; }
    ui::Window* model() const;
    QWidget* top() const { return top_; }
    bool isForm() const { return caller_ != 0; }
    // Where the window is on screen, its title bar included.
    QRect screenRect() const;
    QMdiArea* mdiArea() const { return mdi_; }
    // What a dialog or form asked from this window stands over: the window itself when it is one
    // of its own on the desktop, else (an MDI child) the frame.
    QWidget* standing() const;
    QtRenderer& renderer() const { return renderer_; }

    void show();
    void apply(const ui::ChangeSet& changes);
    void syncAll();
    void syncFocus();
    void bringToFront();
    // The model closed the window: the close goes through and the widgets go.
    void closing();

    QWidget* widget(ui::ControlId c) const;
    // The window and control a widget belongs to (walking up its parents); 0s when none.
    static std::pair<ui::WindowId, ui::ControlId> locate(const QObject* o);

    // A user's action on a control of this window.
    void act(ui::ControlId c, QtRenderer::Action a) { renderer_.act(id_, c, std::move(a)); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void makeTop(ui::Window& w);
    void build();
    void buildChildren(ui::Window& w, ui::ControlId parent, QLayout* layout);
    QWidget* buildControl(ui::Window& w, ui::Control& c);
    void buildMenus(ui::Window& w, ui::ControlId bar);
    void buildMenu(ui::Window& w, ui::ControlId parent, QMenu* menu);
    void buildToolbar(ui::Window& w, ui::ControlId bar);
    void buildStatus(ui::Window& w);
    void syncWindow();
    void syncControl(ui::ControlId c);
    void placeFromModel(ui::Window& w);
    // The room the window opens in: the frame's MDI area or the screen, in its parent's coordinates.
    QRect room() const;

    // The dialog or form of its thread a blocked window waits for, standing over it; null when none.
    QWidget* holder() const;
    // Never smaller than what its controls need now.
    void growToControls(const ui::Window& w);
    void reportGeometry();
    QWidget* leaf(ui::Control& c);
    void tag(QWidget* widget, ui::ControlId c);

    ui::WindowId id_;
    ui::WindowKind kind_;
    ui::WindowId caller_;
    QtRenderer& renderer_;
    QPointer<QWidget> top_;       // what the window system shows
    QPointer<QMainWindow> main_;  // the frame
    QPointer<QMdiArea> mdi_;
    QPointer<QWidget> content_;  // the root column's widgets
    QPointer<QWidget> body_;     // holds content_ (and the status bar)
    QPointer<QToolBar> toolbar_;
    QPointer<QStatusBar> status_;
    std::vector<QLabel*> zones_;
    std::map<ui::ControlId, QPointer<QWidget>> widgets_;
    std::map<ui::ControlId, QPointer<QAction>> actions_;
    bool closing_ = false;
    bool placed_ = false;
};

}  // namespace vx::qt
