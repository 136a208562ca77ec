#include "platform/qt/input_router.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>

#include "platform/qt/key_translation.h"
#include "platform/qt/window_view.h"
#include "platform/ui/desktop.h"
#include "platform/ui/user_input.h"

namespace vx::qt {

namespace {

using ui::VKey;

// Whether the focused control of this kind does its own work with the key.
bool modelTakes(ui::ControlKind kind, const ui::Key& k) {
    using K = ui::ControlKind;
    const VKey v = k.key;
    switch (kind) {
    case K::List:
        return v == VKey::Up || v == VKey::Down || v == VKey::PageUp || v == VKey::PageDown || v == VKey::Home ||
               v == VKey::End || v == VKey::Enter;
    // Alt+Down and Alt+Up open and close a drop list's rows, as in every desktop program.
    case K::DropList:
    case K::DropCombo: return v == VKey::Enter || ((v == VKey::Up || v == VKey::Down) && !k.has(ui::mod::Alt));
    case K::Entry:
    case K::Spin: return v == VKey::Enter || v == VKey::Up || v == VKey::Down;
    // Shift+Enter is a new line in a text; Enter confirms it.
    case K::Text: return v == VKey::Enter && !k.has(ui::mod::Shift);
    case K::Button:
    case K::Check:
    case K::Radio: return v == VKey::Enter || v == VKey::Space;
    default: return false;
    }
}

// Tab and Shift+Tab reach the model as keys, so Qt's own Tab moves are never the user's: only a
// click or a control's key (its accelerator) moves the focus in Qt's hands.
bool movedByUser(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
}

// Enter in these confirms the control, then presses the form's default button.
bool confirmsForm(ui::ControlKind kind) {
    using K = ui::ControlKind;
    return kind == K::Entry || kind == K::Spin || kind == K::DropList || kind == K::DropCombo || kind == K::Check ||
           kind == K::Radio;
}

// The button a form's Enter or Esc presses, 0 when the key keeps its own meaning.
ui::ControlId formButton(const ui::Window& w, const ui::Control* focused, const ui::Key& k) {
    if (k.mods != 0) return 0;
    if (k.key == VKey::Escape) return w.cancelButton();
    if (k.key != VKey::Enter || !focused || !confirmsForm(focused->kind())) return 0;
    return w.defaultButton();
}

}  // namespace

InputRouter::InputRouter(QtRenderer& r) : renderer_(r) { qApp->installEventFilter(this); }

bool InputRouter::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress: return keyPressed(watched, static_cast<QKeyEvent&>(*e));
    case QEvent::ShortcutOverride: return shortcutWanted(watched, static_cast<QKeyEvent&>(*e));
    case QEvent::FocusIn: focusMoved(watched, static_cast<QFocusEvent&>(*e).reason()); return false;
    case QEvent::ToolTip: return !ui::desktop().look().tooltipsShown;
    case QEvent::MouseButtonPress: {
        // A click counts as input for "Ctrl pressed alone" (lists report theirs themselves).
        if (WindowView::locate(watched).first != 0) {
            const auto& m = static_cast<QMouseEvent&>(*e);
            ui::desktop().noteInput(ui::Key(VKey::MouseLeft, modsOf(m.modifiers())));
        }
        return false;
    }
    default: return false;
    }
}

// An alert key must reach the model even where Qt would take it as a shortcut (Alt+letter).
bool InputRouter::shortcutWanted(QObject* watched, QKeyEvent& e) {
    const auto [wid, cid] = WindowView::locate(watched);
    const ui::Window* w = ui::desktop().window(wid);
    const auto k = translateKey(e);
    if (!w || !k) return false;
    const ui::Control* focused = w->control(w->focused());
    if ((focused && focused->alerted(*k)) || w->alerted(*k)) e.accept();
    return false;
}

bool InputRouter::keyPressed(QObject* watched, QKeyEvent& e) {
    // Qt offers a key the focused widget leaves to its parents too: only its first receiver counts.
    auto* target = qobject_cast<QWidget*>(watched);
    QWidget* first = QApplication::focusWidget();
    if (!target || target != (first ? first : target->window())) return false;
    const auto [wid, cid] = WindowView::locate(watched);
    ui::Window* w = ui::desktop().window(wid);
    const auto k = translateKey(e);
    if (!w || !k) return false;
    if (k->key == VKey::Ctrl) {
        if (!e.isAutoRepeat()) renderer_.act(wid, 0, [](ui::Window& mw) { ui::input::key(mw, ui::Key(VKey::Ctrl)); });
        return false;
    }
    const ui::Control* focused = w->control(w->focused());
    const bool alerted = (focused && focused->alerted(*k)) || w->alerted(*k);
    if (!alerted && *k == ui::Key(VKey::F4, ui::mod::Ctrl) && closeActiveChild(wid)) return true;
    if (const ui::ControlId button = alerted ? 0 : formButton(*w, focused, *k)) {
        const bool confirm = k->key == VKey::Enter;
        renderer_.act(wid, w->focused(), [button, confirm](ui::Window& mw) {
            if (confirm && !ui::input::key(mw, ui::Key(VKey::Enter))) return;
            ui::input::press(mw, button);
        });
        return true;
    }
    if (alerted || k->key == VKey::Tab || (focused && modelTakes(focused->kind(), *k))) {
        const ui::Key key = *k;
        if (key.key == VKey::Tab) renderer_.setFocusReason(key.has(ui::mod::Shift) ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        renderer_.act(wid, w->focused(), [key](ui::Window& mw) { ui::input::key(mw, key); });
        renderer_.setFocusReason(Qt::OtherFocusReason);
        return true;
    }
    ui::desktop().noteInput(*k);
    return false;
}

// Ctrl+F4 in the frame or one of its child windows closes the active child, as in every
// multi-window desktop program; the child's own close runs as its close box asks it.
bool InputRouter::closeActiveChild(ui::WindowId keyWindow) {
    const WindowView* frame = renderer_.frameView();
    const WindowView* in = renderer_.view(keyWindow);
    if (!frame || !frame->mdiArea() || !in || (in != frame && !qobject_cast<QMdiSubWindow*>(in->top()))) return false;
    QMdiSubWindow* active = frame->mdiArea()->activeSubWindow();
    const ui::WindowId child = active ? WindowView::locate(active).first : 0;
    if (child == 0) return false;
    renderer_.act(child, 0, [](ui::Window& cw) { ui::input::closeWindow(cw); });
    return true;
}

void InputRouter::focusMoved(QObject* now, Qt::FocusReason reason) {
    if (renderer_.drawing()) return;
    const auto [wid, cid] = WindowView::locate(now);
    const ui::Window* w = ui::desktop().window(wid);
    if (!w || cid == 0 || cid == w->focused()) return;
    const ui::Control* c = w->control(cid);
    if (!c || !c->takesFocus()) return;
    if (!movedByUser(reason)) {
        // The focus came back by itself (the window activated, maximized, a dialog closed) or Qt
        // passed it on from a widget hidden for a moment: the model's focus stands.
        QMetaObject::invokeMethod(
            this,
            [this, wid] {
                if (WindowView* v = renderer_.view(wid)) {
                    QtRenderer::Drawing drawing(renderer_);
                    v->syncFocus();
                }
            },
            Qt::QueuedConnection);
        return;
    }
    renderer_.act(wid, cid, [cid](ui::Window& mw) { ui::input::focus(mw, cid); });
}

}  // namespace vx::qt
