#include "platform/qt/window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/qt/entry_line.h"
#include "platform/qt/icons.h"
#include "platform/qt/list_table_model.h"
#include "platform/qt/placement.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/sheet_tabs.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/desktop.h"
#include "platform/ui/user_input.h"

namespace vx::qt {

namespace {

constexpr const char* kWindowProperty = "vxWindow";
constexpr const char* kControlProperty = "vxControl";

bool isBar(ui::ControlKind k) { return k == ui::ControlKind::MenuBar || k == ui::ControlKind::Toolbar; }

// The MDI area's room once its frame is laid out at its current size.
QSize mdiRoom(QMdiArea& area) {
    if (QWidget* frame = area.window(); frame && frame->layout()) frame->layout()->activate();
    if (QWidget* holder = area.parentWidget(); holder && holder->layout()) holder->layout()->activate();
    return area.viewport()->size();
}

bool holdsWidgets(const QLayout& layout) {
    for (int i = 0; i < layout.count(); ++i)
        if (layout.itemAt(i)->widget()) return true;
    return false;
}

QRect availableScreen(const QWidget& w) {
    const QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

// Layouts keep the size hints their widgets had before the controls got their text
// until Qt's next layout pass; the opening size needs the hints as they are now.
void refreshSizeHints(QWidget& top) {
    const QList<QWidget*> inside = top.findChildren<QWidget*>();
    for (auto it = inside.rbegin(); it != inside.rend(); ++it) (*it)->updateGeometry();
    if (top.layout()) top.layout()->activate();
}

// Width that shows the caption whole beside the icon and the title bar's buttons.
int captionWidth(const QWidget& top) {
    const int bar = top.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &top);
    constexpr int kTitleBarCells = 5;  // icon, three buttons and the gaps between them
    return top.fontMetrics().horizontalAdvance(top.windowTitle()) + kTitleBarCells * bar;
}

QBoxLayout* boxFor(ui::ControlKind k) {
    if (k == ui::ControlKind::Row) return new QHBoxLayout;
    return new QVBoxLayout;
}

}  // namespace

WindowView::WindowView(ui::Window& w, QtRenderer& r, ui::WindowId caller)
    : id_(w.id()), kind_(w.kind()), caller_(caller), renderer_(r) {
    makeTop(w);
    build();
}

WindowView::~WindowView() {
    if (!top_) return;
    // The window's lists go with it: a view's pending timer must not read them before Qt deletes the widgets.
    for (ListTableModel* m : top_->findChildren<ListTableModel*>()) m->show(nullptr);
    top_->deleteLater();
}

ui::Window* WindowView::model() const { return ui::desktop().window(id_); }

void WindowView::makeTop(ui::Window& w) {
    WindowView* frame = renderer_.frameView();
    body_ = new QWidget;
    auto* column = new QVBoxLayout(body_);
    column->setContentsMargins(0, 0, 0, 0);
    if (kind_ == ui::WindowKind::Frame) {
        main_ = new QMainWindow;
        mdi_ = new QMdiArea;
        mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
            if (!sub || renderer_.drawing()) return;
            const ui::WindowId child = locate(sub).first;
            renderer_.act(child, 0, [](ui::Window& cw) { ui::input::activate(cw); });
        });
        column->addWidget(mdi_, 1);
        main_->setCentralWidget(body_);
        top_ = main_;
    } else if (kind_ == ui::WindowKind::MdiChild && caller_ == 0 && frame && frame->mdiArea()) {
        column->setSpacing(0);
        QMdiSubWindow* sub = frame->mdiArea()->addSubWindow(body_);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        top_ = sub;
    } else {
        column->setSpacing(0);
        // A form or picker stands over the window it was opened from; a plain window (or a child
        // with no frame) stays above the frame when there is one.
        const WindowView* caller = renderer_.view(caller_);
        QWidget* over = caller ? caller->standing() : frame ? frame->top() : nullptr;
        top_ = new QWidget(over, caller_ != 0 ? Qt::Dialog : Qt::Window);
        // The controls sit in a body of their own: a blocked window disables its body, never the
        // dialogs and forms that stand over it as its child windows.
        auto* holder = new QVBoxLayout(top_);
        holder->setContentsMargins(0, 0, 0, 0);
        holder->addWidget(body_);
    }
    top_->setProperty(kWindowProperty, QVariant::fromValue(id_));
    body_->setProperty(kWindowProperty, QVariant::fromValue(id_));
    top_->installEventFilter(this);
    top_->setFont(mergedFont(QFont(), w.font()));
}

QWidget* WindowView::standing() const {
    if (top_->isWindow()) return top_;
    const WindowView* frame = renderer_.frameView();
    return frame ? frame->top() : nullptr;
}

void WindowView::tag(QWidget* widget, ui::ControlId c) {
    widget->setProperty(kControlProperty, c);
    widgets_[c] = widget;
}

std::pair<ui::WindowId, ui::ControlId> WindowView::locate(const QObject* o) {
    ui::ControlId control = 0;
    for (; o; o = o->parent()) {
        if (control == 0) {
            const QVariant c = o->property(kControlProperty);
            if (c.isValid()) control = c.toInt();
        }
        const QVariant w = o->property(kWindowProperty);
        if (w.isValid()) return {w.value<ui::WindowId>(), control};
        // A dialog or popup of its own (file dialog, message box, a drop list's rows) keeps its
        // keys and clicks: they never reach the window it stands over.
        if (const auto* widget = qobject_cast<const QWidget*>(o); widget && widget->isWindow()) return {0, 0};
    }
    return {0, 0};
}

QWidget* WindowView::widget(ui::ControlId c) const {
    const auto it = widgets_.find(c);
    return it == widgets_.end() ? nullptr : it->second.data();
}

void WindowView::build() {
    ui::Window* w = model();
    if (!w) return;
    QtRenderer::Drawing drawing(renderer_);
    widgets_.clear();
    actions_.clear();
    delete content_;
    content_ = new QWidget;
    auto* root = new QVBoxLayout(content_);
    root->setContentsMargins(6, 6, 6, 6);
    buildChildren(*w, w->root(), root);
    auto* column = static_cast<QBoxLayout*>(body_->layout());
    if (main_) {
        // The frame's own controls, if any, sit above its MDI area.
        column->insertWidget(0, content_);
        // An empty root column would otherwise take its margins' height above the MDI area.
        content_->setVisible(holdsWidgets(*root));
        main_->menuBar()->clear();
        for (QMenu* m : main_->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) delete m;
        delete toolbar_;
        if (w->menuBar()) buildMenus(*w, w->menuBar());
        if (w->toolbar()) buildToolbar(*w, w->toolbar());
    } else {
        column->insertWidget(0, content_, 1);
    }
    buildStatus(*w);
    for (ui::ControlId c : w->allControls()) syncControl(c);
}

void WindowView::buildChildren(ui::Window& w, ui::ControlId parent, QLayout* layout) {
    const ui::Control* p = w.control(parent);
    auto* grid = dynamic_cast<QGridLayout*>(layout);
    const int perRow = p && p->hints().columns > 0 ? p->hints().columns : 2;
    int placed = 0;
    bool anyStretch = false;
    for (ui::ControlId id : p->children()) {
        ui::Control* c = w.control(id);
        if (!c || isBar(c->kind())) continue;
        QWidget* made = buildControl(w, *c);
        if (!made) continue;
        if (grid) {
            grid->addWidget(made, placed / perRow, placed % perRow);
        } else if (auto* box = dynamic_cast<QBoxLayout*>(layout)) {
            box->addWidget(made, c->hints().stretch ? 1 : 0);
            anyStretch = anyStretch || c->hints().stretch || c->kind() == ui::ControlKind::List ||
                         c->kind() == ui::ControlKind::Text;
        } else {
            layout->addWidget(made);
        }
        ++placed;
    }
    if (auto* box = dynamic_cast<QBoxLayout*>(layout); box && !anyStretch) box->addStretch(1);
}

QWidget* WindowView::buildControl(ui::Window& w, ui::Control& c) {
    using K = ui::ControlKind;
    auto container = [&](QWidget* holder, QLayout* layout) {
        layout->setContentsMargins(holder->inherits("QGroupBox") ? 6 : 0, holder->inherits("QGroupBox") ? 6 : 0,
                                   holder->inherits("QGroupBox") ? 6 : 0, holder->inherits("QGroupBox") ? 6 : 0);
        holder->setLayout(layout);
        buildChildren(w, c.id(), layout);
        tag(holder, c.id());
        return holder;
    };
    switch (c.kind()) {
    case K::Row:
    case K::Column: return container(new QWidget, boxFor(c.kind()));
    case K::Grid: return container(new QWidget, new QGridLayout);
    case K::Group:
    case K::Option: return container(new QGroupBox, new QVBoxLayout);
    case K::Sheet: {
        auto* tabs = new SheetTabs;
        tag(tabs, c.id());
        for (ui::ControlId t : c.children()) {
            ui::Control* tab = w.control(t);
            if (!tab) continue;
            auto* page = new QWidget;
            auto* layout = new QVBoxLayout(page);
            buildChildren(w, t, layout);
            tag(page, t);
            tabs->addTab(page, toQ(tab->text()));
        }
        const ui::ControlId sheet = c.id();
        connect(tabs, &QTabWidget::tabBarClicked, this, [this, sheet](int index) {
            if (index >= 0) act(sheet, [sheet, index](ui::Window& mw) { ui::input::chooseTab(mw, sheet, index); });
        });
        return tabs;
    }
    case K::Tab:
    case K::Toolbar:
    case K::MenuBar:
    case K::Menu:
    case K::MenuItem:
    case K::Separator: return nullptr;
    default: return leaf(c);
    }
}

void WindowView::buildStatus(ui::Window& w) {
    const auto& zones = w.statusZones();
    if (zones.empty() && !main_) return;
    if (!status_) {
        if (main_) {
            status_ = main_->statusBar();
        } else {
            status_ = new QStatusBar;
            status_->setSizeGripEnabled(false);
            // Without a size grip the zones would touch the window's right and bottom edges.
            status_->setContentsMargins(0, 0, 4, 3);
            static_cast<QBoxLayout*>(body_->layout())->addWidget(status_);
        }
    }
    const std::size_t before = zones_.size();
    for (QLabel* z : zones_) delete z;
    zones_.clear();
    const int charWidth = status_->fontMetrics().averageCharWidth();
    for (const ui::StatusZone& z : zones) {
        auto* label = new QLabel;
        // A styled panel is boxed on all four sides, so a zone at the window's bottom never looks cut off.
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        if (z.width > 0) label->setMinimumWidth(z.width * charWidth + 8);
        // The zone that takes the rest is an ordinary widget, so a control's status text can cover it.
        if (z.width < 0) status_->addWidget(label, 1);
        else status_->addPermanentWidget(label);
        zones_.push_back(label);
    }
    // A status bar that comes after the window opened takes its room from the window.
    if (placed_ && before == 0 && !zones_.empty()) {
        status_->show();
        growToControls(w);
    }
}

void WindowView::show() {
    ui::Window* w = model();
    if (!w) return;
    QtRenderer::Drawing drawing(renderer_);
    syncWindow();
    placeFromModel(*w);
    switch (caller_ != 0 ? ui::WindowState::Normal : w->state()) {
    case ui::WindowState::Maximized: top_->showMaximized(); break;
    case ui::WindowState::Minimized: top_->showMinimized(); break;
    case ui::WindowState::Normal: top_->show(); break;
    }
    // Shown, a top-level window has its frame: all of it stays on the screen.
    if (top_->isWindow() && !top_->isMaximized()) {
        const QRect inside = pulledInside(top_->frameGeometry(), availableScreen(*top_));
        if (inside.topLeft() != top_->frameGeometry().topLeft()) top_->move(inside.topLeft());
    }
    placed_ = true;
    // The first field of a window that opens shows its text selected, as Tab into it would; the
    // window may get the input focus only after it was shown.
    if (auto* line = dynamic_cast<EntryLine*>(widget(w->focused()))) line->selectWhenFocused();
    syncFocus();
}

QRect WindowView::room() const {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(top_.data()); sub && sub->mdiArea())
        return QRect(QPoint(0, 0), mdiRoom(*sub->mdiArea()));
    return availableScreen(*top_);
}

QRect WindowView::screenRect() const {
    const QWidget* parent = top_->parentWidget();
    const QRect r = top_->frameGeometry();
    return top_->isWindow() || !parent ? r : QRect(parent->mapToGlobal(r.topLeft()), r.size());
}

void WindowView::placeFromModel(ui::Window& w) {
    // A form opens at its designed size; other windows at the size stored for them.
    const bool form = caller_ != 0;
    // Only a placement the user left (kept in the INI file) puts the window somewhere of its own.
    const bool stored = w.geometryKnown() && !(w.geometry() == w.designedGeometry());
    const ui::Geometry g = stored && !form ? w.geometry() : w.designedGeometry();
    refreshSizeHints(*top_);
    top_->adjustSize();
    QSize size = top_->size();
    if (!main_) size.setWidth(std::max(size.width(), captionWidth(*top_)));
    if (g.width > 0 && g.height > 0)
        size = size.expandedTo(QSize(static_cast<int>(g.width), static_cast<int>(g.height)));
    // A frame with no placement of its own opens over most of the screen, centred.
    const bool frameUnplaced = main_ && !stored;
    const QRect room = this->room();
    if (frameUnplaced) size = size.expandedTo(room.size() * 9 / 10);
    // Within the room, where the user can reach all of it, but never squeezed below what its
    // controls need: the MDI area scrolls to a taller one.
    if (!main_) size = size.boundedTo(room.size()).expandedTo(top_->minimumSizeHint());
    top_->resize(size);
    if (form) {
        const WindowView* caller = renderer_.view(caller_);
        const QRect over = caller && caller->top() ? caller->screenRect() : availableScreen(*top_);
        top_->move(centredOn(size, over, availableScreen(*top_)).topLeft());
    } else if (stored) {
        const QRect stored(static_cast<int>(g.x), static_cast<int>(g.y), size.width(), size.height());
        top_->move(pulledInside(stored, room).topLeft());
    } else if (frameUnplaced) {
        top_->move(room.center() - QPoint(size.width() / 2, size.height() / 2));
    } else if (const QWidget* frame = top_->isWindow() ? top_->parentWidget() : nullptr) {
        // A window of its own over the frame opens centred on it, as a form on its caller; the
        // ones already there push it a step down and right.
        const int step = renderer_.cascadeSlot(*this) * top_->style()->pixelMetric(QStyle::PM_TitleBarHeight);
        top_->move(centredOn(size, frame->frameGeometry().translated(step, step), room).topLeft());
    } else {
        top_->move(
            cascaded(renderer_.cascadeSlot(*this), size, room, top_->style()->pixelMetric(QStyle::PM_TitleBarHeight)));
    }
    // Every window may grow from its opening size, never shrink below it; "none" keeps it.
    if (w.resize() == ui::ResizeStrategy::None) top_->setFixedSize(size);
    else top_->setMinimumSize(top_->minimumSizeHint().boundedTo(size));
}

void WindowView::growToControls(const ui::Window& w) {
    refreshSizeHints(*top_);
    const QSize need = top_->minimumSizeHint();
    const QSize size = top_->size().expandedTo(need);
    if (size == top_->size()) return;
    if (w.resize() == ui::ResizeStrategy::None) top_->setFixedSize(size);
    else top_->setMinimumSize(need);
    top_->resize(size);
}

void WindowView::apply(const ui::ChangeSet& changes) {
    QtRenderer::Drawing drawing(renderer_);
    if (changes.structure) {
        build();
        syncWindow();
        syncFocus();
        return;
    }
    if (changes.window) syncWindow();
    for (ui::ControlId c : changes.controls) syncControl(c);
    syncFocus();
}

void WindowView::syncAll() {
    ui::Window* w = model();
    if (!w) return;
    QtRenderer::Drawing drawing(renderer_);
    syncWindow();
    for (ui::ControlId c : w->allControls()) syncControl(c);
}

void WindowView::syncWindow() {
    ui::Window* w = model();
    if (!w) return;
    top_->setWindowTitle(toQ(w->caption()));
    // The frame's icon is the program's; a window without an icon of its own shows it.
    if (main_ && !w->icon().empty()) QApplication::setWindowIcon(iconFor(w->icon()));
    top_->setWindowIcon(w->icon().empty() ? QApplication::windowIcon() : iconFor(w->icon()));
    if (w->statusZones().size() != zones_.size()) buildStatus(*w);
    for (std::size_t i = 0; i < zones_.size(); ++i) zones_[i]->setText(toQ(w->statusZones()[i].text));
    const bool live = !w->blocked();
    if (main_) {
        main_->menuBar()->setEnabled(live);
        if (toolbar_) toolbar_->setEnabled(live);
        content_->setEnabled(live);
    } else {
        body_->setEnabled(live);
    }
}

void WindowView::syncFocus() {
    ui::Window* w = model();
    if (!w || ui::desktop().activeWindow() != w || w->blocked()) return;
    QWidget* target = widget(w->focused());
    if (target && !target->hasFocus() && target->isVisible()) target->setFocus(renderer_.focusReason());
    if (!status_) return;
    const ui::Control* c = w->control(w->focused());
    if (c && !c->statusText().empty()) status_->showMessage(toQ(c->statusText()));
    else status_->clearMessage();
}

void WindowView::bringToFront() {
    QtRenderer::Drawing drawing(renderer_);
    // Only what Qt does not show as active yet is brought forward, so Qt's and the model's
    // activations never chase each other.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(top_.data())) {
        if (sub->mdiArea() && sub->mdiArea()->activeSubWindow() != sub) sub->mdiArea()->setActiveSubWindow(sub);
    } else if (!top_->isActiveWindow()) {
        top_->raise();
        top_->activateWindow();
    }
    syncFocus();
}

QWidget* WindowView::holder() const {
    const ui::Window* w = model();
    if (!w || !w->blocked()) return nullptr;
    const QList<QWidget*> over = top_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (auto it = over.rbegin(); it != over.rend(); ++it) {
        QWidget* child = *it;
        if (!child->isWindow() || !child->isVisible()) continue;
        if (qobject_cast<QDialog*>(child)) return child;
        const ui::Window* form = ui::desktop().window(locate(child).first);
        if (form && form->thread() == w->thread()) return child;
    }
    return nullptr;
}

void WindowView::closing() {
    closing_ = true;
    if (!top_) return;
    top_->hide();
    // The window's lists go with it: its widgets, until they are deleted, still get focus
    // and activation events and must read none of them.
    for (ListTableModel* m : top_->findChildren<ListTableModel*>()) m->show(nullptr);
}

void WindowView::reportGeometry() {
    if (!placed_ || closing_ || renderer_.drawing()) return;
    // A top-level window's place is where its frame stands, as move() puts it back; its size is its inside's.
    const QRect r = top_->geometry();
    const QPoint at = top_->isWindow() ? top_->frameGeometry().topLeft() : r.topLeft();
    const ui::Geometry g{at.x(), at.y(), r.width(), r.height()};
    ui::WindowState s = ui::WindowState::Normal;
    if (top_->isMaximized()) s = ui::WindowState::Maximized;
    if (top_->isMinimized()) s = ui::WindowState::Minimized;
    act(0, [g, s](ui::Window& w) {
        if (s == ui::WindowState::Normal) ui::input::moved(w, g);
        ui::input::stateChanged(w, s);
    });
}

bool WindowView::eventFilter(QObject* watched, QEvent* e) {
    if (watched != top_) return false;
    switch (e->type()) {
    case QEvent::Close:
        if (closing_) return false;
        e->ignore();
        act(0, [](ui::Window& w) { ui::input::closeWindow(w); });
        return true;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange: reportGeometry(); break;
    case QEvent::WindowActivate: {
        if (qobject_cast<QMdiSubWindow*>(top_.data()) || renderer_.drawing()) break;
        // A window that waits for its dialog or form hands the activation on to it, so what it
        // waits for comes back over it (a click on its title bar, the window system's choice).
        if (QWidget* holding = holder()) {
            holding->raise();
            holding->activateWindow();
            break;
        }
        // Coming back to the frame, the user's attention is on its active MDI child.
        QMdiSubWindow* child = mdi_ ? mdi_->activeSubWindow() : nullptr;
        const ui::WindowId target = child ? locate(child).first : id_;
        const ui::Window* active = ui::desktop().activeWindow();
        if (!active || active->id() != target) renderer_.act(target, 0, [](ui::Window& w) { ui::input::activate(w); });
        break;
    }
    default: break;
    }
    return false;
}

}  // namespace vx::qt
