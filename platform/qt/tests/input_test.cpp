// What the user does in the widgets reaches the model as the model defines it.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "platform/qt/list_view.h"
#include "platform/qt/tests/qt_fixture.h"
#include "platform/ui/desktop.h"

namespace vx::qt::testing {

namespace {

using namespace vx::ui;

Str gName(20, "");
Byte gFlag = 0;

ListRow row(std::string a, std::string b) { return ListRow{{{Value(std::move(a)), {}}, {Value(std::move(b)), {}}}}; }

void browse(LayoutBuilder& b, Window&) {
    ListControl& l = b.list("?LIST", 3);
    ListModel& m = l.change();
    m.addColumn(ListColumn("Кличка", "@s10", 10));
    m.addColumn(ListColumn("Номер", "@s6", 6));
    m.setRows({row("Зорька", "1"), row("Майка", "2"), row("Ночка", "3")});
    m.setCurrent(0);
    for (const char* k : {"Ctrl", "Shift+MouseLeft", "MouseRight", "Alt+K"}) l.alert(*Key::parse(k));
    b.entry("?NAME", gName, "@s20");
    b.check("?FLAG", "Флаг", gFlag).setReadOnly(true);
    b.button("?OK", "OK");
}

class InputTest : public QtTest {
protected:
    void SetUp() override {
        start({"Browse", WindowKind::Plain, browse});
        ASSERT_TRUE(pumpUntil([&] { return top("Browse") && logged("Browse: OpenWindow"); }));
        settle();
        log_.clear();
        table = static_cast<ListView*>(widget("Browse", "?LIST"))->table();
    }
    void key(QWidget* w, int qtKey, Qt::KeyboardModifiers mods, quint32 scanCode) {
        w->setFocus(Qt::MouseFocusReason);
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, scanCode, 0, 0);
        QApplication::sendEvent(w, &press);
        settle();
    }
    QPoint cell(int row, int column) { return table->visualRect(table->model()->index(row, column)).center(); }

    QTableView* table = nullptr;
};

TEST_F(InputTest, ListKeysAndClicksReachTheModelWithTheirModifiers) {
    key(table, Qt::Key_Down, Qt::NoModifier, 116);
    EXPECT_EQ(window("Browse")->as<ListControl>("?LIST")->model().current(), 1);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(1, {}));
    key(table, Qt::Key_Down, Qt::NoModifier, 116);
    key(table, Qt::Key_Down, Qt::NoModifier, 116);  // past the last row: the owner pages
    key(table, 0x041B, Qt::AltModifier, 45);        // Alt+K typed with a Russian layout
    key(table, Qt::Key_Control, Qt::ControlModifier, 37);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier, cell(0, 1));
    settle();
    QTest::mouseClick(table->viewport(), Qt::RightButton, Qt::NoModifier, cell(1, 0));
    settle();
    const Log expected{"Browse: NewSelection ?LIST row 1",
                       "Browse: NewSelection ?LIST row 2",
                       "Browse: ScrollDown ?LIST",
                       "Browse: AlertKey ?LIST Alt+K",
                       "Browse: AlertKey ?LIST Ctrl",
                       "Browse: NewSelection ?LIST row 0",
                       "Browse: AlertKey ?LIST Shift+MouseLeft row 0",
                       "Browse: NewSelection ?LIST row 1",
                       "Browse: AlertKey ?LIST MouseRight row 1"};
    EXPECT_EQ(log_, expected);
}

TEST_F(InputTest, AnAlertedClickOnAnEmptyListReachesTheWindow) {
    window("Browse")->as<ListControl>("?LIST")->change().setRows({});
    frontEnd_.loop().requestStep();
    settle();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier, table->viewport()->rect().center());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, table->viewport()->rect().center());
    settle();
    const Log expected{"Browse: AlertKey ?LIST Shift+MouseLeft"};
    EXPECT_EQ(log_, expected);
    EXPECT_EQ(window("Browse")->as<ListControl>("?LIST")->model().current(), -1);
}

// Counts the paintings of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// A wide list scrolled sideways, its rows refilled by its owner: in the same shape (a mark set
// on the highlighted row) and in another (a shorter page). The view keeps its columns where they
// were and draws the change without waiting for another event.
TEST_F(InputTest, ARefilledListKeepsItsColumnsScrolledAndIsDrawnAtOnce) {
    ListModel& m = window("Browse")->as<ListControl>("?LIST")->change();
    std::vector<ListColumn> wide;
    for (int c = 0; c < 12; ++c) wide.emplace_back("Графа " + std::to_string(c + 1), "@s20", 20);
    m.setColumns(wide);
    const auto rows = [](int count, int marked) {
        std::vector<ListRow> out;
        for (int r = 0; r < count; ++r) {
            ListRow row;
            for (int c = 0; c < 12; ++c) row.cells.push_back({Value("ячейка " + std::to_string(r * 12 + c)), {}});
            if (r == marked) row.cells[0].look.style = 1;
            out.push_back(row);
        }
        return out;
    };
    m.setRows(rows(3, -1));
    m.setCurrent(1);
    frontEnd_.loop().requestStep();
    settle();
    QScrollBar* across = table->horizontalScrollBar();
    ASSERT_GT(across->maximum(), 0) << "the columns are wider than the list";
    across->setValue(across->maximum() / 2);
    const int scrolled = across->value();

    struct Refill {
        const char* what;
        int rows;
    };
    for (const Refill r : {Refill{"a mark on the highlighted row", 3}, Refill{"a shorter page", 2}}) {
        PaintCounter painted(table->viewport());
        m.setRows(rows(r.rows, 1));
        m.setCurrent(1);
        window("Browse")->noteChanged(window("Browse")->idOf("?LIST"));
        frontEnd_.loop().requestStep();
        EXPECT_TRUE(pumpUntil([&] { return painted.paints > 0; })) << r.what << ": drawn at once";
        EXPECT_EQ(table->model()->rowCount(), r.rows) << r.what;
        EXPECT_EQ(across->value(), scrolled) << r.what;
        EXPECT_TRUE(table->selectionModel()->isRowSelected(1, {})) << r.what;
    }
}

TEST_F(InputTest, TypingIsConfirmedByEnterAndAButtonTakesTheFocusBeforeItIsPressed) {
    auto* name = static_cast<QLineEdit*>(widget("Browse", "?NAME"));
    name->setFocus(Qt::MouseFocusReason);
    settle();
    for (QChar ch : QString("Ласточка")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(name, &press);
    }
    settle();
    EXPECT_EQ(gName.str(), "") << "not confirmed yet";
    key(name, Qt::Key_Return, Qt::NoModifier, 36);
    EXPECT_EQ(gName.str(), "Ласточка");
    QTest::mouseClick(widget("Browse", "?OK"), Qt::LeftButton);
    settle();
    const Log expected{"Browse: Selected ?NAME", "Browse: Accepted ?NAME", "Browse: Selected ?OK",
                       "Browse: Accepted ?OK"};
    EXPECT_EQ(log_, expected);
}

TEST_F(InputTest, ARefusedClickLeavesTheWidgetAsTheModelHasIt) {
    auto* flag = static_cast<QCheckBox*>(widget("Browse", "?FLAG"));
    QTest::mouseClick(flag, Qt::LeftButton);
    settle();
    EXPECT_EQ(gFlag, 0);
    EXPECT_FALSE(flag->isChecked());
}

// A form opened on a window's thread holds that window only; the windows of other threads stay live.
TEST_F(InputTest, AFormOnTheCallersThreadDisablesOnlyTheCaller) {
    start({"Caller", WindowKind::Plain, [](LayoutBuilder& b, Window&) { b.button("?FORM", "Форма"); },
           [this](Window&, const Event& e) {
               if (e.kind != EventKind::Accepted) return;
               TestProc form{"Form", WindowKind::Plain,
                             [](LayoutBuilder& b, Window&) { b.button("?CLOSE", "Закрыть"); },
                             [](Window& w, const Event& fe) {
                                 if (fe.kind == EventKind::Accepted) w.close();
                             }};
               Window w(form.kind, form.procedure);
               LayoutBuilder fb(w);
               form.layout(fb, w);
               w.open();
               while (w.isOpen()) form.handler(w, w.nextEvent());
           }});
    ASSERT_TRUE(pumpUntil([&] { return top("Caller") != nullptr; }));
    settle();
    QTest::mouseClick(widget("Caller", "?FORM"), Qt::LeftButton);
    ASSERT_TRUE(pumpUntil([&] { return top("Form") != nullptr; }));
    settle();
    EXPECT_FALSE(widget("Caller", "?FORM")->isEnabled());
    EXPECT_TRUE(widget("Browse", "?OK")->isEnabled());
    EXPECT_TRUE(widget("Form", "?CLOSE")->isEnabled());

    QTest::mouseClick(widget("Form", "?CLOSE"), Qt::LeftButton);
    ASSERT_TRUE(pumpUntil([&] { return window("Form") == nullptr; }));
    settle();
    EXPECT_TRUE(widget("Caller", "?FORM")->isEnabled());
}

TEST_F(InputTest, WindowTimersFireThroughTheEventLoop) {
    start({"Ticking", WindowKind::Plain, [](LayoutBuilder& b, Window& w) {
               b.prompt("Часы");
               w.setTimer(5);
           }});
    EXPECT_TRUE(pumpUntil([&] { return logged("Ticking: Timer"); }));
}

// A name longer than its display shows its start, not its end.
TEST_F(InputTest, ADisplayedTextShowsItsStart) {
    static Str farm(40, "Молочно-товарная ферма имени Первого мая");
    start({"Narrow", WindowKind::Plain, [](LayoutBuilder& b, Window&) { b.display("?FER:NAME", farm, "@s40"); }});
    ASSERT_TRUE(pumpUntil([&] { return widget("Narrow", "?FER:NAME") != nullptr; }));
    settle();
    auto* line = static_cast<QLineEdit*>(widget("Narrow", "?FER:NAME"));
    ASSERT_FALSE(line->text().isEmpty());
    EXPECT_EQ(line->cursorPosition(), 0);
}

TEST_F(InputTest, TheCloseBoxAsksTheWindowToClose) {
    top("Browse")->close();
    EXPECT_TRUE(pumpUntil([&] { return window("Browse") == nullptr; }));
    EXPECT_TRUE(logged("Browse: CloseWindow"));
}

}  // namespace

}  // namespace vx::qt::testing
