// The widget of each leaf control, wired to report what the user does.

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

#include "platform/qt/drop_box.h"
#include "platform/qt/entry_line.h"
#include "platform/qt/list_table_model.h"
#include "platform/qt/list_view.h"
#include "platform/qt/model_spin.h"
#include "platform/qt/page_view.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/window_view.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/desktop.h"
#include "platform/ui/drop_control.h"
#include "platform/ui/text_controls.h"

namespace vx::qt {

namespace {

using ui::Window;
namespace input = ui::input;

// Scroll events are the list's owner's business; only a live, usable list reports them.
void postScroll(Window& w, ui::ControlId c, ui::EventKind kind) {
    const ui::Control* list = w.control(c);
    if (w.blocked() || !list || !list->shown() || !list->usable()) return;
    w.post(ui::Event{kind, c});
}

QComboBox* makeDrop(WindowView& view, ui::DropControl& d) {
    auto* box = new DropBox;
    box->setModel(new ListTableModel(box));
    box->setEditable(d.combo());
    // What is typed stays what the model takes: Qt neither completes it nor adds it to the entries.
    box->setInsertPolicy(QComboBox::NoInsert);
    if (box->lineEdit()) box->lineEdit()->setCompleter(nullptr);
    const ui::ControlId id = d.id();
    // An editable box also reports an entry matching its text when it loses the focus: that is no
    // choice of the user's, and taking it would pull the focus back into the box.
    QObject::connect(box, &QComboBox::activated, &view, [&view, box, id](int row) {
        if (box->hasFocus() || box->view()->isVisible())
            view.act(id, [id, row](Window& w) { input::selectRow(w, id, row); });
    });
    if (QLineEdit* edit = box->lineEdit())
        QObject::connect(edit, &QLineEdit::textEdited, &view, [&view, id](const QString& text) {
            view.act(id, [id, text](Window& w) { input::type(w, id, fromQ(text)); });
        });
    return box;
}

QWidget* makeEntry(WindowView& view, ui::Control& c) {
    const ui::ControlId id = c.id();
    auto typed = [&view, id](const QString& text) {
        view.act(id, [id, text](Window& w) { input::type(w, id, fromQ(text)); });
    };
    if (c.kind() == ui::ControlKind::Text) {
        auto* text = new QPlainTextEdit;
        text->setTabChangesFocus(true);
        QObject::connect(text, &QPlainTextEdit::textChanged, &view, [&view, text, typed] {
            if (!view.renderer().drawing()) typed(text->toPlainText());
        });
        return text;
    }
    if (c.kind() == ui::ControlKind::Spin) {
        auto* spin = new ModelSpin;
        spin->onStep = [&view, id](int direction) {
            view.act(id, [id, direction](Window& w) {
                if (input::focus(w, id)) input::key(w, ui::Key(direction > 0 ? ui::VKey::Up : ui::VKey::Down));
            });
        };
        QObject::connect(spin->editor(), &QLineEdit::textEdited, &view, typed);
        return spin;
    }
    auto* line = new EntryLine;
    QObject::connect(line, &QLineEdit::textEdited, &view, typed);
    return line;
}

}  // namespace

QWidget* WindowView::leaf(ui::Control& c) {
    using K = ui::ControlKind;
    const ui::ControlId id = c.id();
    auto press = [this, id] { act(id, [id](Window& mw) { input::press(mw, id); }); };
    QWidget* made = nullptr;
    switch (c.kind()) {
    case K::Prompt: made = new QLabel; break;
    case K::Entry:
    case K::Text:
    case K::Spin: made = makeEntry(*this, c); break;
    case K::Button: {
        if (c.text().empty() && !c.icon().empty()) {
            auto* b = new QToolButton;
            b->setAutoRaise(true);
            connect(b, &QToolButton::clicked, this, press);
            made = b;
        } else {
            auto* b = new QPushButton;
            connect(b, &QPushButton::clicked, this, press);
            made = b;
        }
        break;
    }
    case K::Check: {
        if (static_cast<ui::CheckControl&>(c).buttonLook()) {
            auto* b = new QToolButton;
            b->setCheckable(true);
            b->setAutoRaise(true);
            connect(b, &QToolButton::clicked, this, press);
            made = b;
        } else {
            auto* b = new QCheckBox;
            connect(b, &QCheckBox::clicked, this, press);
            made = b;
        }
        break;
    }
    case K::Radio: {
        auto* r = new QRadioButton;
        r->setAutoExclusive(false);
        connect(r, &QRadioButton::clicked, this, press);
        made = r;
        break;
    }
    case K::DropList:
    case K::DropCombo: made = makeDrop(*this, static_cast<ui::DropControl&>(c)); break;
    case K::List: {
        ListHandlers h;
        h.click = [this, id](int row, int column, std::uint8_t mods, ui::MouseButton b, bool twice) {
            act(id, [=](Window& mw) { input::click(mw, id, row, mods, b, column, twice); });
        };
        h.header = [this, id](int column, bool divider) {
            act(id, [=](Window& mw) { input::clickHeader(mw, id, column, divider); });
        };
        h.drag = [this, id](int position) { act(id, [=](Window& mw) { input::dragScroll(mw, id, position); }); };
        h.scroll = [this, id](ui::EventKind kind) { act(id, [=](Window& mw) { postScroll(mw, id, kind); }); };
        h.resized = [this, id](int rows) { act(0, [=](Window& mw) { input::listResized(mw, id, rows); }); };
        made = new ListView(nullptr, std::move(h));
        break;
    }
    case K::Ole: {
        auto* frame = new QFrame;
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setMinimumSize(32, 24);
        made = frame;
        break;
    }
    case K::Progress: {
        auto* bar = new QProgressBar;
        bar->setRange(0, 100);
        bar->setTextVisible(false);
        made = bar;
        break;
    }
    case K::Pages: made = new PageView; break;
    default: return nullptr;
    }
    tag(made, id);
    return made;
}

}  // namespace vx::qt
