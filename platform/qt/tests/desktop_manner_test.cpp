// The windows behave as a desktop user expects of any Qt program: where they
// open, forms as dialogs over their caller, focus leaving drop lists, Enter and
// Esc in a form, the keys, wheel and clicks of a drop list's popup.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <csignal>

#include "platform/qt/drop_box.h"
#include "platform/qt/placement.h"
#include "platform/qt/tests/qt_fixture.h"
#include "platform/qt/window_view.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/drop_control.h"

namespace vx::qt::testing {

namespace {

using namespace vx::ui;

TEST(Placement, KeepsAWindowInsideItsRoom) {
    const QRect room(0, 0, 1000, 800);
    struct Case {
        QRect asked, expected;
    };
    const Case cases[] = {
        {{100, 100, 300, 200}, {100, 100, 300, 200}},   // inside: stays
        {{1500, 900, 300, 200}, {700, 600, 300, 200}},  // far right and below: pulled back
        {{-400, -50, 300, 200}, {0, 0, 300, 200}},      // left of and above the room
        {{600, 700, 1200, 900}, {0, 0, 1200, 900}},     // larger than the room: its corner shows
    };
    for (const Case& c : cases) EXPECT_EQ(pulledInside(c.asked, room), c.expected) << c.asked.x();
}

TEST(Placement, CascadesFromTheTopLeftAndStartsOverBeforeLeavingTheRoom) {
    const QRect room(0, 0, 1000, 800);
    EXPECT_EQ(cascaded(0, {400, 300}, room, 30), QPoint(0, 0));
    EXPECT_EQ(cascaded(2, {400, 300}, room, 30), QPoint(60, 60));
    EXPECT_EQ(cascaded(17, {400, 300}, room, 30), QPoint(0, 0)) << "16 steps fit down the room";
    EXPECT_EQ(cascaded(3, {1000, 800}, room, 30), QPoint(0, 0)) << "a window as large as the room";
    EXPECT_EQ(centredOn({200, 100}, {100, 100, 400, 300}, room), QRect(200, 200, 200, 100));
    EXPECT_EQ(centredOn({200, 100}, {900, 750, 100, 50}, room), QRect(800, 700, 200, 100));
}

Str gSpecies(20, "");
Str gDate(10, "");
Long gNumber = 0;

void frameLayout(LayoutBuilder& b, Window&) { b.statusBar({-1}); }

// A form with an entry, a combo and OK/Cancel, opened on the caller's thread; its events are logged.
void runForm(Log& log) {
    Window w(WindowKind::MdiChild, "Form");
    LayoutBuilder b(w);
    b.dropCombo("?SPECIES", gSpecies, "@s20", "Коровы|Овцы|Козы|Свиньи");
    b.entry("?DATE", gDate, "@s10");
    b.entry("?NUMBER", gNumber, "@n4");
    b.button("?OK", "OK");
    b.button("?CANCEL", "Отмена");
    w.setDesignedGeometry({0, 0, 300, 200});
    w.open();
    w.setDefaultButton(w.idOf("?OK")).setCancelButton(w.idOf("?CANCEL"));
    for (;;) {
        const Event e = w.nextEvent();
        const Control* c = w.control(e.control);
        log.push_back("Form: " + std::string(eventName(e.kind)) + (c ? " " + c->useName() : std::string()));
        const bool button = e.kind == EventKind::Accepted && c && (c->useName() == "?OK" || c->useName() == "?CANCEL");
        if (button || e.kind == EventKind::CloseWindow || e.kind == EventKind::CloseDown) return w.close();
    }
}

class DesktopMannerTest : public QtTest {
protected:
    void SetUp() override {
        gSpecies = "";
        gDate = "";
        gNumber = 0;
        start({"Main", WindowKind::Frame, frameLayout});
        ASSERT_TRUE(pumpUntil([&] { return top("Main") != nullptr; }));
        settle();
    }
    // The caller, an MDI child whose ?FORM button opens the form on its thread.
    void openForm(bool maximized) {
        start({"Caller", WindowKind::MdiChild,
               [](LayoutBuilder& b, Window& w) {
                   b.button("?FORM", "Форма");
                   w.setDesignedGeometry({0, 0, 400, 300});
               },
               [this](Window&, const Event& e) {
                   if (e.kind == EventKind::Accepted) runForm(log_);
               }});
        ASSERT_TRUE(pumpUntil([&] { return top("Caller") != nullptr; }));
        settle();
        if (maximized) top("Caller")->showMaximized();
        settle();
        QTest::mouseClick(widget("Caller", "?FORM"), Qt::LeftButton);
        ASSERT_TRUE(pumpUntil([&] { return top("Form") != nullptr; }));
        settle();
        log_.clear();
    }
    void key(QWidget* w, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(w, static_cast<Qt::Key>(qtKey), mods);
        settle();
    }
    Control* focused(std::string_view procedure) const {
        const Window* w = window(procedure);
        return w ? w->control(w->focused()) : nullptr;
    }
    static QString species() { return QString::fromStdString(gSpecies.str()).trimmed(); }
    std::string focusedName(std::string_view procedure) const {
        const Control* c = focused(procedure);
        return c ? c->useName() : std::string();
    }
    // "First" and "Second", of one kind and designed geometry, with no placement stored; false
    // when they did not open.
    bool startTwo(WindowKind kind, Geometry designed) {
        for (const char* name : {"First", "Second"})
            start({name, kind, [designed](LayoutBuilder& b, Window& w) {
                       b.button("?GO", "Дальше");
                       w.setDesignedGeometry(designed);
                   }});
        const bool opened = pumpUntil([&] { return top("First") && top("Second"); });
        settle();
        return opened;
    }
};

TEST_F(DesktopMannerTest, WindowsWithoutAPlacementOpenCascadedInsideTheFrame) {
    ASSERT_TRUE(startTwo(WindowKind::MdiChild, {2000, 1500, 300, 200}));
    const QRect area(QPoint(0, 0), static_cast<QMdiSubWindow*>(top("First"))->mdiArea()->viewport()->size());
    const QRect first = top("First")->geometry(), second = top("Second")->geometry();
    EXPECT_TRUE(area.contains(first)) << first.x() << "," << first.y();
    EXPECT_TRUE(area.contains(second)) << second.x() << "," << second.y();
    EXPECT_GT(second.x(), first.x());
    EXPECT_GT(second.y(), first.y());
}

// The import window and a report's preview on a thread of their own: over the frame, not at the screen's corner.
TEST_F(DesktopMannerTest, PlainWindowsWithoutAPlacementOpenCentredOverTheFrame) {
    ASSERT_TRUE(startTwo(WindowKind::Plain, {0, 0, 400, 300}));
    const QRect frame = top("Main")->frameGeometry();
    const QRect first = top("First")->frameGeometry(), second = top("Second")->frameGeometry();
    EXPECT_LE((first.center() - frame.center()).manhattanLength(), 4)
        << first.x() << "," << first.y() << " over " << frame.x() << "," << frame.y();
    EXPECT_GT(second.x(), first.x()) << "the second is a step aside, not hidden under the first";
    EXPECT_GT(second.y(), first.y());
}

// A plan button's light red text reads as an enabled button's (darker than a disabled one's, in
// its own hue); a colour that reads as it is stays exactly as given.
TEST_F(DesktopMannerTest, AButtonsPaleTextColourIsShownInAReadableShadeOfIt) {
    start({"Plan", WindowKind::MdiChild, [](LayoutBuilder& b, Window&) {
               b.button("?BUTTON4", "Запланировать отмеченным").setTextColour(0xFF8080);
               b.button("?BLUE", "Выбрать").setTextColour(0x000080);
               b.button("?OFF", "Удалить").setDisabled(true);
           }});
    ASSERT_TRUE(pumpUntil([&] { return widget("Plan", "?OFF") != nullptr; }));
    settle();
    const QColor plan = widget("Plan", "?BUTTON4")->palette().color(QPalette::ButtonText);
    const QColor disabled = widget("Plan", "?OFF")->palette().color(QPalette::Disabled, QPalette::ButtonText);
    EXPECT_LT(plan.lightnessF(), disabled.lightnessF() - 0.15) << plan.name().toStdString() << " beside a disabled "
                                                               << disabled.name().toStdString();
    EXPECT_EQ(plan.hue(), QColor(0xFF, 0x80, 0x80).hue());
    EXPECT_EQ(widget("Plan", "?BLUE")->palette().color(QPalette::ButtonText), QColor(0x00, 0x00, 0x80));

    // Disabled (its window waits for a form), it greys as every disabled button does.
    window("Plan")->control("?BUTTON4")->setDisabled(true);
    frontEnd_.loop().requestStep();
    settle();
    EXPECT_EQ(widget("Plan", "?BUTTON4")->palette().color(QPalette::Disabled, QPalette::ButtonText), disabled);
}

TEST_F(DesktopMannerTest, CtrlF4ClosesTheActiveChildWindow) {
    for (const char* name : {"First", "Second"})
        start({name, WindowKind::MdiChild, [](LayoutBuilder& b, Window&) { b.button("?GO", "Дальше"); }});
    ASSERT_TRUE(pumpUntil([&] { return top("First") && top("Second"); }));
    settle();
    QTest::mouseClick(widget("First", "?GO"), Qt::LeftButton);
    settle();
    ASSERT_EQ(static_cast<QMdiSubWindow*>(top("First"))->mdiArea()->activeSubWindow(), top("First"));
    key(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
    EXPECT_TRUE(pumpUntil([&] { return window("First") == nullptr; })) << ::testing::PrintToString(log_);
    EXPECT_TRUE(logged("First: CloseWindow"));
    EXPECT_NE(window("Second"), nullptr);
}

// The desktop's session ending, a closed terminal or kill: every window closes as the frame's exit closes it.
TEST_F(DesktopMannerTest, TheDesktopsEndingSignalsCloseEveryWindow) {
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
        log_.clear();
        for (const char* name : {"First", "Second"})
            start({name, WindowKind::MdiChild, [](LayoutBuilder& b, Window&) { b.button("?GO", "Дальше"); }});
        ASSERT_TRUE(pumpUntil([&] { return top("First") && top("Second"); }));
        std::raise(sig);
        EXPECT_TRUE(pumpUntil([&] { return ui::desktop().windows().empty(); })) << sig;
        EXPECT_TRUE(logged("First: CloseDown")) << sig;
        EXPECT_TRUE(logged("Second: CloseDown")) << sig;
    }
}

TEST_F(DesktopMannerTest, AStoredPlacementOffTheScreenIsPulledBackIn) {
    start({"Plain", WindowKind::Plain, [](LayoutBuilder& b, Window& w) {
               b.button("?GO", "Дальше");
               w.setGeometry({5000, 4000, 300, 200});
           }});
    ASSERT_TRUE(pumpUntil([&] { return top("Plain") != nullptr; }));
    settle();
    EXPECT_TRUE(top("Plain")->screen()->availableGeometry().contains(top("Plain")->geometry()))
        << top("Plain")->geometry().x() << "," << top("Plain")->geometry().y() << " "
        << top("Plain")->geometry().width() << "x" << top("Plain")->geometry().height();
}

// The register without its database: the message comes while the window opens, before it was first shown.
TEST_F(DesktopMannerTest, AMessageAskedWhileAWindowOpensIsCentredOnThatWindow) {
    start({"Opening", WindowKind::MdiChild,
           [](LayoutBuilder& b, Window& w) {
               b.button("?GO", "Дальше");
               w.setGeometry({300, 200, 500, 300});
           },
           [](Window&, const Event& e) {
               if (e.kind == EventKind::OpenWindow)
                   messageBox("База данных не выбрана", "Сначала подключите базу данных.");
           }});
    QMessageBox* box = nullptr;
    ASSERT_TRUE(pumpUntil([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
        return box != nullptr;
    }));
    settle();
    const QRect opening = frontEnd_.renderer().view(window("Opening")->id())->screenRect();
    EXPECT_LE((box->frameGeometry().center() - opening.center()).manhattanLength(), 4)
        << opening.x() << "," << opening.y() << " " << opening.width() << "x" << opening.height();
    box->button(QMessageBox::Ok)->click();
    settle();
}

TEST_F(DesktopMannerTest, AFormOverAMaximizedCallerIsANormalDialogAndLeavesTheCallerMaximized) {
    openForm(true);
    QWidget* form = top("Form");
    EXPECT_TRUE(form->isWindow());
    EXPECT_FALSE(form->isMaximized());
    EXPECT_LT(form->width(), 600) << "its designed size, not the frame's";
    const QRect caller = frontEnd_.renderer().view(window("Caller")->id())->screenRect();
    EXPECT_LE((form->frameGeometry().center() - caller.center()).manhattanLength(), 4);

    widget("Form", "?DATE")->setFocus(Qt::MouseFocusReason);
    settle();
    key(widget("Form", "?DATE"), Qt::Key_Escape);
    ASSERT_TRUE(pumpUntil([&] { return window("Form") == nullptr; }));
    settle();
    EXPECT_TRUE(top("Caller")->isMaximized());
}

TEST_F(DesktopMannerTest, EnterPressesTheFormsOkAndEscItsCancel) {
    struct Case {
        int qtKey;
        const char* pressed;
    };
    for (const Case c : {Case{Qt::Key_Return, "?OK"}, Case{Qt::Key_Escape, "?CANCEL"}}) {
        openForm(false);
        auto* date = static_cast<QLineEdit*>(widget("Form", "?DATE"));
        date->setFocus(Qt::MouseFocusReason);
        settle();
        QTest::keyClicks(date, "17.09.2022");
        key(date, c.qtKey);
        ASSERT_TRUE(pumpUntil([&] { return window("Form") == nullptr; })) << c.pressed;
        EXPECT_TRUE(logged(std::string("Form: Accepted ") + c.pressed)) << ::testing::PrintToString(log_);
        if (c.qtKey == Qt::Key_Return) {
            EXPECT_TRUE(logged("Form: Accepted ?DATE")) << "Enter confirms the entry first";
        }
        settle();
        // Closing the caller lets the next case start one of its own.
        top("Caller")->close();
        ASSERT_TRUE(pumpUntil([&] { return window("Caller") == nullptr; }));
        settle();
    }
}

TEST_F(DesktopMannerTest, AClickOrTabLeavesTheComboAfterAChoiceFromItsPopup) {
    openForm(false);
    struct Case {
        const char* leaveBy;
        const char* reaches;
    };
    for (const Case c : {Case{"click", "?DATE"}, Case{"tab", "?DATE"}}) {
        auto* combo = static_cast<DropBox*>(widget("Form", "?SPECIES"));
        QTest::mouseClick(combo, Qt::LeftButton);
        settle();
        combo->showPopup();
        settle();
        QWidget* rows = combo->view();
        key(rows, Qt::Key_Down);
        key(rows, Qt::Key_Return);
        EXPECT_FALSE(rows->isVisible());
        if (std::string(c.leaveBy) == "click") QTest::mouseClick(widget("Form", "?DATE"), Qt::LeftButton);
        else key(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focusedName("Form"), c.reaches) << c.leaveBy << ::testing::PrintToString(log_);
        EXPECT_EQ(QApplication::focusWidget(), widget("Form", "?DATE")) << c.leaveBy;
        QTest::keyClicks(QApplication::focusWidget(), "1");
        settle();
        EXPECT_EQ(static_cast<QLineEdit*>(widget("Form", "?DATE"))->text(), "1")
            << "typing lands in the field left for";
        EXPECT_EQ(species(), "Овцы");
        EXPECT_EQ(combo->currentText().trimmed(), "Овцы");
        static_cast<QLineEdit*>(widget("Form", "?DATE"))->clear();
        // Back to the combo's first entry for the next case.
        combo->setFocus(Qt::MouseFocusReason);
        settle();
        key(combo, Qt::Key_Up);
    }
}

TEST_F(DesktopMannerTest, TheDropPopupOpensOnTheCurrentEntryAndChoosesOnceByKeyWheelOrClick) {
    openForm(false);
    auto* combo = static_cast<DropBox*>(widget("Form", "?SPECIES"));
    QTest::mouseClick(combo, Qt::LeftButton);
    settle();
    key(combo, Qt::Key_Down);
    key(combo, Qt::Key_Down);  // the closed box steps to "Коровы", then "Овцы"
    ASSERT_EQ(species(), "Овцы");
    log_.clear();
    combo->showPopup();
    settle();
    DropRows* rows = combo->rows();
    EXPECT_EQ(rows->currentIndex().row(), 1) << "highlighted on the current entry";
    EXPECT_TRUE(rows->selectionModel()->isRowSelected(1, {}));
    key(rows, Qt::Key_End);
    key(rows, Qt::Key_Return);
    EXPECT_EQ(species(), "Свиньи");
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "Form: Accepted ?SPECIES"), 1) << ::testing::PrintToString(log_);

    // The wheel over the closed box chooses nothing; a click after scrolling the popup chooses the row clicked.
    log_.clear();
    QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
    settle();
    EXPECT_EQ(species(), "Свиньи");
    combo->showPopup();
    settle();
    rows->scrollToTop();
    const QPoint first = rows->visualRect(rows->model()->index(0, 0)).center();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, first);
    settle();
    EXPECT_EQ(species(), "Коровы");
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "Form: Accepted ?SPECIES"), 1) << ::testing::PrintToString(log_);
}

// The rows of a file-fed list (the sex-age groups of a passport) with the owner's entry current:
// opened by a click or by Alt+Down, the rows show that entry marked, and Down moves on from it.
TEST_F(DesktopMannerTest, AFileFedDropListOpensOnTheOwnersEntryByClickOrAltDown) {
    start({"Passport", WindowKind::Plain, [](LayoutBuilder& b, Window&) {
               // The focus starts in the owner's field: a click moves it to the list as it opens.
               b.entry("?PAS:FIO", gSpecies, "@s20");
               DropControl& groups = b.fileDropList("?POL:NAME");
               groups.change().setColumns({ListColumn("Группа", "@s20")});
               std::vector<ListRow> rows;
               for (const char* g : {"Тёлки", "Коровы дойные", "Бычки", "Нетели"})
                   rows.push_back(ListRow{{{Value(std::string(g)), {}}}});
               groups.change().setRows(std::move(rows));
               groups.change().setCurrent(1);
               b.button("?OK", "OK");
           }});
    ASSERT_TRUE(pumpUntil([&] { return widget("Passport", "?POL:NAME") != nullptr; }));
    settle();
    auto* box = static_cast<DropBox*>(widget("Passport", "?POL:NAME"));
    struct Case {
        const char* openedBy;
    };
    for (const Case c : {Case{"click"}, Case{"Alt+Down"}}) {
        if (std::string(c.openedBy) == "click") {
            widget("Passport", "?PAS:FIO")->setFocus(Qt::MouseFocusReason);
            settle();
            QTest::mouseClick(box, Qt::LeftButton);
        } else {
            box->setFocus(Qt::MouseFocusReason);
            settle();
            key(box, Qt::Key_Down, Qt::AltModifier);
        }
        settle();
        DropRows* rows = box->rows();
        ASSERT_TRUE(rows->isVisible()) << c.openedBy;
        EXPECT_EQ(rows->currentIndex().row(), 1) << c.openedBy;
        EXPECT_TRUE(rows->selectionModel()->isRowSelected(1, {})) << c.openedBy;
        key(rows, Qt::Key_Down);
        EXPECT_EQ(rows->currentIndex().row(), 2) << c.openedBy << ": Down moves on from the marked entry";
        key(rows, Qt::Key_Escape);
        EXPECT_FALSE(rows->isVisible()) << c.openedBy;
    }
}

TEST_F(DesktopMannerTest, TabIntoANumberSelectsItsText) {
    openForm(false);
    gNumber = 1;
    auto* date = static_cast<QLineEdit*>(widget("Form", "?DATE"));
    date->setFocus(Qt::MouseFocusReason);
    settle();
    key(date, Qt::Key_Tab);
    auto* number = static_cast<QLineEdit*>(widget("Form", "?NUMBER"));
    ASSERT_EQ(QApplication::focusWidget(), number);
    QTest::keyClicks(number, "2");
    EXPECT_EQ(number->text().trimmed(), "2") << "the typing replaces the number";
}

TEST_F(DesktopMannerTest, ANumberThatHasTheFocusWhenItsWindowOpensIsTypedOver) {
    gNumber = 1;
    start({"Numbers", WindowKind::MdiChild, [](LayoutBuilder& b, Window&) {
               b.entry("?NUMBER", gNumber, "@n4");
               b.button("?OK", "OK");
           }});
    ASSERT_TRUE(pumpUntil([&] { return widget("Numbers", "?NUMBER") && widget("Numbers", "?NUMBER")->hasFocus(); }));
    auto* number = static_cast<QLineEdit*>(widget("Numbers", "?NUMBER"));
    QTest::keyClicks(number, "2");
    EXPECT_EQ(number->text().trimmed(), "2") << "the typing replaces the number";
}

TEST_F(DesktopMannerTest, ALongPieceOfWorkShowsABusyPointerUntilTheOutermostEnds) {
    {
        BusyCursor outer;
        {
            BusyCursor inner;
            ASSERT_NE(QApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        ASSERT_NE(QApplication::overrideCursor(), nullptr) << "the outer work still runs";
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DesktopMannerTest, AClosedWindowsCombosShowNoRowsWhileTheyWaitToBeDeleted) {
    start({"Picker", WindowKind::Plain,
           [](LayoutBuilder& b, Window&) { b.dropCombo("?SPECIES", gSpecies, "@s20", "Коровы|Овцы"); }});
    ASSERT_TRUE(pumpUntil([&] { return widget("Picker", "?SPECIES") != nullptr; }));
    settle();
    QPointer<QComboBox> combo = static_cast<QComboBox*>(widget("Picker", "?SPECIES"));
    ASSERT_EQ(combo->model()->rowCount(), 2);
    // The window's close, with no turn of Qt's loop that could delete its widgets.
    window("Picker")->post(ui::Event{ui::EventKind::CloseWindow});
    ui::desktop().runPending();
    ASSERT_EQ(window("Picker"), nullptr);
    ASSERT_FALSE(combo.isNull());
    EXPECT_EQ(combo->model()->rowCount(), 0) << "the entries went with the window";
}

}  // namespace

}  // namespace vx::qt::testing
