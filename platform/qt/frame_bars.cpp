// The frame's menu bar and toolbar.

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/qt/icons.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/window_view.h"
#include "platform/ui/user_input.h"

namespace vx::qt {

void WindowView::buildMenus(ui::Window& w, ui::ControlId bar) {
    for (ui::ControlId id : w.control(bar)->children()) {
        const ui::Control* c = w.control(id);
        if (!c || c->kind() != ui::ControlKind::Menu) continue;
        auto* menu = new QMenu(toQ(c->text()), main_->menuBar());
        menu->setIcon(iconFor(c->icon()));
        main_->menuBar()->addMenu(menu);
        actions_[id] = menu->menuAction();
        buildMenu(w, id, menu);
    }
}

void WindowView::buildMenu(ui::Window& w, ui::ControlId parent, QMenu* menu) {
    for (ui::ControlId id : w.control(parent)->children()) {
        const ui::Control* c = w.control(id);
        if (!c) continue;
        switch (c->kind()) {
        case ui::ControlKind::Separator: menu->addSeparator(); break;
        case ui::ControlKind::Menu: {
            QMenu* sub = menu->addMenu(iconFor(c->icon()), toQ(c->text()));
            actions_[id] = sub->menuAction();
            buildMenu(w, id, sub);
            break;
        }
        case ui::ControlKind::MenuItem: {
            QAction* a = menu->addAction(iconFor(c->icon()), toQ(c->text()));
            connect(a, &QAction::triggered, this,
                    [this, id] { act(id, [id](ui::Window& mw) { ui::input::press(mw, id); }); });
            actions_[id] = a;
            break;
        }
        default: break;
        }
    }
}

void WindowView::buildToolbar(ui::Window& w, ui::ControlId bar) {
    toolbar_ = new QToolBar;
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));
    main_->addToolBar(Qt::TopToolBarArea, toolbar_);
    auto addButton = [&](ui::Control& c, QLayout* into) {
        QWidget* b = leaf(c);
        if (!b) return;
        if (into) into->addWidget(b);
        else toolbar_->addWidget(b);
    };
    for (ui::ControlId id : w.control(bar)->children()) {
        ui::Control* c = w.control(id);
        if (!c) continue;
        if (c->kind() != ui::ControlKind::Group) {
            addButton(*c, nullptr);
            continue;
        }
        // A captioned group of buttons.
        auto* group = new QGroupBox(toQ(c->text()));
        auto* row = new QHBoxLayout(group);
        row->setContentsMargins(4, 2, 4, 2);
        row->setSpacing(2);
        tag(group, id);
        for (ui::ControlId inner : c->children())
            if (ui::Control* b = w.control(inner)) addButton(*b, row);
        toolbar_->addWidget(group);
    }
}

}  // namespace vx::qt
