// Redraws a control's widget from the model: the properties every control has,
// then what its kind holds.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include "platform/qt/drop_box.h"
#include "platform/qt/entry_line.h"
#include "platform/qt/icons.h"
#include "platform/qt/list_table_model.h"
#include "platform/qt/list_view.h"
#include "platform/qt/model_spin.h"
#include "platform/qt/page_view.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/readable_colours.h"
#include "platform/qt/window_view.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/desktop.h"
#include "platform/ui/drop_control.h"
#include "platform/ui/page_controls.h"
#include "platform/ui/text_controls.h"

namespace vx::qt {

namespace {

QPalette paletteOf(const ui::Colours& c) {
    QPalette p;
    if (const QColor bg = toQColor(c.background); bg.isValid())
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) p.setColor(role, bg);
    // A text colour of the control's own, in a shade that reads on what it stands on; a disabled
    // control keeps the greyed text every disabled control has.
    if (const QColor fg = toQColor(c.text); fg.isValid()) {
        for (auto [text, under] : {std::pair{QPalette::WindowText, QPalette::Window}, std::pair{QPalette::Text, QPalette::Base},
                                   std::pair{QPalette::ButtonText, QPalette::Button}})
            for (auto group : {QPalette::Active, QPalette::Inactive})
                p.setColor(group, text, readableText(fg, p.color(group, under)));
    }
    if (const QColor sel = toQColor(c.selectedBackground); sel.isValid()) p.setColor(QPalette::Highlight, sel);
    if (const QColor sel = toQColor(c.selectedText); sel.isValid()) p.setColor(QPalette::HighlightedText, sel);
    return p;
}

void syncCommon(QWidget* w, const ui::Control& c) {
    w->setEnabled(!c.disabled());
    const ui::Look& look = ui::desktop().look();
    w->setToolTip(toQ(c.tooltip()));
    w->setToolTipDuration(look.tooltipShowMs > 0 ? look.tooltipShowMs : -1);
    w->setFont(mergedFont(QFont(), c.font()));
    QPalette p = paletteOf(c.colours());
    if (const auto* e = dynamic_cast<const ui::EntryControl*>(&c);
        e && (e->readOnly() || e->displayOnly()) && c.colours().background == ui::kNoColour)
        p.setColor(QPalette::Base, w->palette().color(QPalette::Window));
    if (const auto* e = dynamic_cast<const ui::EntryControl*>(&c); e && e->rejected())
        p.setColor(QPalette::Text, Qt::red);
    w->setPalette(p);
    w->setAutoFillBackground(c.colours().background != ui::kNoColour);
    const int charWidth = w->fontMetrics().averageCharWidth();
    if (c.hints().width > 0 && c.kind() != ui::ControlKind::List) {
        const int px = c.hints().width * charWidth + 16;
        if (c.hints().stretch) w->setMinimumWidth(px);
        else w->setFixedWidth(px);
    }
    if (c.hints().height > 0 && c.kind() == ui::ControlKind::Text)
        w->setMinimumHeight(c.hints().height * w->fontMetrics().lineSpacing() + 10);
}

template <class W>
void setTextIfChanged(W* w, const QString& text) {
    if (w->text() != text) w->setText(text);
}

void syncEntry(QWidget* widget, const ui::EntryControl& e) {
    const QString text = toQ(e.visibleText());
    const bool locked = e.readOnly() || e.displayOnly();
    const Qt::Alignment align = e.picture().kind() == Picture::Kind::Number ? Qt::AlignRight : Qt::AlignLeft;
    if (auto* line = dynamic_cast<EntryLine*>(widget)) {
        line->showPicture(e.picture());
        line->showText(text);
        line->setReadOnly(locked);
        line->setFrame(!e.displayOnly());
        line->setAlignment(align | Qt::AlignVCenter);
        line->setFocusPolicy(e.displayOnly() ? Qt::NoFocus : Qt::StrongFocus);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        if (memo->toPlainText() != text) memo->setPlainText(text);
        memo->setReadOnly(locked);
    } else if (auto* spin = dynamic_cast<ModelSpin*>(widget)) {
        spin->showPicture(e.picture());
        setTextIfChanged(spin->editor(), text);
        spin->setReadOnly(locked);
        spin->setAlignment(align | Qt::AlignVCenter);
    }
}

void syncDrop(DropBox* box, const ui::DropControl& d) {
    auto* model = static_cast<ListTableModel*>(box->model());
    const ui::ListModel& m = d.model();
    model->show(&m);
    auto* rows = static_cast<QTableView*>(box->view());
    bool titles = false;
    for (const ui::ListColumn& col : m.columns()) titles = titles || !col.title.empty();
    rows->horizontalHeader()->setVisible(titles);
    rows->resizeColumnsToContents();
    // Compact rows: the text's own height and a little air.
    rows->verticalHeader()->setMinimumSectionSize(1);
    rows->verticalHeader()->setDefaultSectionSize(rows->fontMetrics().height() + 4);
    box->setMaxVisibleItems(d.dropRows());
    box->setIconSize(QSize(16, 16));
    box->setCurrentIndex(m.current());
    // Rows refilled while they are shown keep the current entry marked.
    if (box->view()->isVisible()) box->markCurrent();
    if (d.combo() && box->lineEdit()) {
        // A text padded to its picture's width would scroll its start out of sight, also in the
        // focused box when the program puts a new text there (a choice, a refill).
        QLineEdit* line = box->lineEdit();
        const QString text = toQ(d.visibleText());
        if (line->text() != text) {
            line->setText(text);
            line->setCursorPosition(0);
        } else if (!line->hasFocus()) {
            line->setCursorPosition(0);
        }
    }
    if (box->lineEdit()) box->lineEdit()->setReadOnly(d.readOnly());
}

void syncSheet(QTabWidget* tabs, const ui::SheetControl& s, const ui::Window& w) {
    const auto& pages = s.children();
    for (int i = 0; i < static_cast<int>(pages.size()) && i < tabs->count(); ++i) {
        const ui::Control* tab = w.control(pages[i]);
        if (!tab) continue;
        tabs->setTabText(i, toQ(tab->text()));
        tabs->setTabVisible(i, !tab->hidden());
        tabs->setTabEnabled(i, !tab->disabled());
        tabs->setTabToolTip(i, toQ(tab->tooltip()));
    }
    tabs->setCurrentIndex(s.chosenTab());
}

}  // namespace

void WindowView::syncControl(ui::ControlId id) {
    ui::Window* w = model();
    const ui::Control* c = w ? w->control(id) : nullptr;
    if (!c) return;
    QtRenderer::Drawing drawing(renderer_);
    if (const auto a = actions_.find(id); a != actions_.end() && a->second) {
        a->second->setText(toQ(c->text()));
        a->second->setIcon(iconFor(c->icon()));
        a->second->setStatusTip(toQ(c->statusText()));
        a->second->setVisible(!c->hidden());
        a->second->setEnabled(!c->disabled());
        return;
    }
    QWidget* widget = this->widget(id);
    if (!widget) return;
    using K = ui::ControlKind;
    if (c->kind() == K::Tab) {
        // A tab is drawn by its sheet.
        syncControl(c->parent());
        return;
    }
    syncCommon(widget, *c);
    widget->setVisible(!c->hidden());
    const QString text = toQ(c->text());
    switch (c->kind()) {
    case K::Prompt: static_cast<QLabel*>(widget)->setText(withoutAccelerator(c->text())); break;
    case K::Group:
    case K::Option: static_cast<QGroupBox*>(widget)->setTitle(text); break;
    case K::Entry:
    case K::Text:
    case K::Spin: syncEntry(widget, static_cast<const ui::EntryControl&>(*c)); break;
    case K::Button:
        if (auto* b = qobject_cast<QAbstractButton*>(widget)) {
            b->setText(text);
            b->setIcon(iconFor(c->icon()));
            if (!c->icon().empty()) b->setIconSize(QSize(24, 24));
        }
        break;
    case K::Check: {
        auto* b = static_cast<QAbstractButton*>(widget);
        b->setText(text);
        b->setIcon(iconFor(c->icon()));
        b->setChecked(static_cast<const ui::CheckControl&>(*c).checked());
        break;
    }
    case K::Radio: {
        auto* r = static_cast<QRadioButton*>(widget);
        r->setText(text);
        r->setChecked(static_cast<const ui::RadioControl&>(*c).chosen());
        break;
    }
    case K::DropList:
    case K::DropCombo: syncDrop(static_cast<DropBox*>(widget), static_cast<const ui::DropControl&>(*c)); break;
    case K::List: static_cast<ListView*>(widget)->sync(static_cast<const ui::ListControl&>(*c)); break;
    case K::Progress:
        static_cast<QProgressBar*>(widget)->setValue(static_cast<const ui::ProgressControl&>(*c).percent());
        break;
    case K::Pages: static_cast<PageView*>(widget)->sync(static_cast<const ui::PagesControl&>(*c)); break;
    case K::Sheet: syncSheet(static_cast<QTabWidget*>(widget), static_cast<const ui::SheetControl&>(*c), *w); break;
    default: break;
    }
}

}  // namespace vx::qt
