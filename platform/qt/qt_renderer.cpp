#include "platform/qt/qt_renderer.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolTip>

#include "platform/qt/dialog_views.h"
#include "platform/qt/input_router.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/window_view.h"
#include "platform/ui/desktop.h"

namespace vx::qt {

QtRenderer::QtRenderer(MainLoop& loop) : loop_(loop), router_(std::make_unique<InputRouter>(*this)) {}

QtRenderer::~QtRenderer() = default;

WindowView* QtRenderer::view(ui::WindowId id) const {
    const auto it = views_.find(id);
    return it == views_.end() ? nullptr : it->second.get();
}

WindowView* QtRenderer::frameView() const {
    const ui::Window* f = ui::desktop().frame();
    return f ? view(f->id()) : nullptr;
}

int QtRenderer::cascadeSlot(const WindowView& v) const {
    int slot = 0;
    for (const auto& [id, other] : views_) {
        const QWidget* top = other->top();
        if (other.get() == &v || other->isForm() || other->mdiArea() || !top || !top->isVisible() || top->isMinimized())
            continue;
        if (top->parentWidget() == v.top()->parentWidget()) ++slot;
    }
    return slot;
}

QWidget* QtRenderer::topWidget(ui::WindowId id) const {
    const WindowView* v = view(id);
    return v ? v->top() : nullptr;
}

void QtRenderer::windowOpened(ui::Window& w) {
    Drawing drawing(*this);
    // The window of the same thread it opens over, if any.
    ui::WindowId caller = 0;
    for (const ui::Window* other : ui::desktop().windows())
        if (other != &w && other->thread() == w.thread() && w.thread() != 0 && views_.count(other->id()))
            caller = other->id();
    auto v = std::make_unique<WindowView>(w, *this, caller);
    views_[w.id()] = std::move(v);
    // Shown once the opening thread has given way, so the placement it restores after opening
    // (size, position, maximized) is where the window first appears.
    const ui::WindowId id = w.id();
    QMetaObject::invokeMethod(
        qApp, [this, id] { showOpened(id); }, Qt::QueuedConnection);
}

void QtRenderer::showOpened(ui::WindowId id) {
    WindowView* opened = view(id);
    if (!opened || opened->top()->isVisible()) return;
    Drawing drawing(*this);
    opened->show();
    opened->bringToFront();
}

void QtRenderer::windowChanged(ui::Window& w, const ui::ChangeSet& changes) {
    if (WindowView* v = view(w.id())) v->apply(changes);
}

void QtRenderer::windowClosed(ui::Window& w) {
    Drawing drawing(*this);
    const auto it = views_.find(w.id());
    if (it == views_.end()) return;
    it->second->closing();
    views_.erase(it);
}

void QtRenderer::windowActivated(ui::Window& w) {
    // After Qt's turn: a window closed just before (a picker) first hands the window system's
    // focus on by itself, and this activation must come after that, not be undone by it.
    const ui::WindowId id = w.id();
    QMetaObject::invokeMethod(
        qApp,
        [this, id] {
            if (WindowView* v = view(id)) v->bringToFront();
        },
        Qt::QueuedConnection);
}

void QtRenderer::dialogRequested(ui::Dialog& d) {
    Drawing drawing(*this);
    // A window that asks while it opens is shown first, so the dialog is centred on where it stands.
    showOpened(d.owner());
    const WindowView* owner = view(d.owner());
    const WindowView* f = frameView();
    // Over the asking window when it is a window of its own (the window system then keeps the
    // dialog above it), else over the frame that holds it.
    QWidget* over = owner ? owner->standing() : f ? f->top() : nullptr;
    showDialog(d, over, owner ? owner->screenRect() : QRect(), [this] { loop_.requestStep(); });
}

void QtRenderer::lookChanged() {
    Drawing drawing(*this);
    const ui::Look& look = ui::desktop().look();
    QFont tip = mergedFont(QToolTip::font(), look.tooltipFont);
    if (look.defaultFontWeight > 0)
        tip.setWeight(look.defaultFontWeight >= ui::kBoldWeight ? QFont::Bold : QFont::Normal);
    QToolTip::setFont(tip);
    QPalette p = QToolTip::palette();
    if (const QColor bg = toQColor(look.tooltipBackground); bg.isValid()) p.setColor(QPalette::ToolTipBase, bg);
    if (const QColor fg = toQColor(look.tooltipText); fg.isValid()) p.setColor(QPalette::ToolTipText, fg);
    QToolTip::setPalette(p);
    if (!look.tooltipsShown) QToolTip::hideText();
    for (const auto& [id, v] : views_) v->syncAll();
}

void QtRenderer::arrange(ui::ArrangeMode mode) {
    WindowView* f = frameView();
    if (!f || !f->mdiArea()) return;
    Drawing drawing(*this);
    switch (mode) {
    case ui::ArrangeMode::Tile: f->mdiArea()->tileSubWindows(); break;
    case ui::ArrangeMode::Cascade: f->mdiArea()->cascadeSubWindows(); break;
    case ui::ArrangeMode::ArrangeIcons: {
        // Iconised sub-windows line up along the bottom of the area.
        int x = 0;
        const int bottom = f->mdiArea()->viewport()->height();
        for (QMdiSubWindow* sub : f->mdiArea()->subWindowList()) {
            if (!sub->isMinimized()) continue;
            sub->move(x, bottom - sub->height());
            x += sub->width();
        }
        break;
    }
    }
}

// No help file ships with the program: help requests show nothing.
void QtRenderer::help(ui::HelpRequest) {}

void QtRenderer::busy(bool working) {
    if (working) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void QtRenderer::act(ui::WindowId window, ui::ControlId control, Action action) {
    if (drawing() || rt::currentThread() != 0) {
        // Qt reported it while drawing: the model hears of it once the drawing is done.
        QMetaObject::invokeMethod(
            qApp, [this, window, control, a = std::move(action)] { run(window, control, a); }, Qt::QueuedConnection);
        return;
    }
    run(window, control, action);
}

void QtRenderer::run(ui::WindowId window, ui::ControlId control, const Action& action) {
    ui::Window* w = ui::desktop().window(window);
    if (!w) return;
    action(*w);
    if (ui::desktop().window(window) && control != 0) w->noteChanged(control);
    if (WindowView* v = view(window)) {
        Drawing drawing(*this);
        v->syncFocus();
    }
    loop_.requestStep();
}

}  // namespace vx::qt
