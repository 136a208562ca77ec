// Under a real window manager: a message, question, calendar, file dialog or
// picker asked from a form stays above that form, whatever the user clicks
// (the form's title bar, the greyed form itself, the frame), and a click on the
// waiting form hands the activation on to what it waits for. Once it closes,
// the form has the keyboard again, whatever was clicked while it was up.

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "platform/qt/tests/managed_desktop.h"
#include "platform/qt/tests/qt_fixture.h"
#include "platform/ui/dialogs.h"

namespace vx::qt::testing {

namespace {

using namespace vx::ui;

// The form asks for one of each on its thread; the picker is a window of its thread over it.
void runPicker() {
    Window w(WindowKind::MdiChild, "Picker");
    LayoutBuilder b(w);
    b.button("?CLOSE", "Закрыть");
    w.open();
    for (;;) {
        const Event e = w.nextEvent();
        if (e.kind == EventKind::Accepted || e.kind == EventKind::CloseWindow || e.kind == EventKind::CloseDown)
            return w.close();
    }
}

Str gName(20, "");

// Each answered, the form puts the focus back in its first field, as a form does after "Нет".
void runForm() {
    Window w(WindowKind::MdiChild, "Form");
    LayoutBuilder b(w);
    b.entry("?NAME", gName, "@s20");
    for (const char* ask : {"?MESSAGE", "?NOTE", "?CALENDAR", "?FILE", "?PICKER", "?CLOSE"}) b.button(ask, ask + 1);
    w.setDesignedGeometry({0, 0, 420, 260});
    w.open();
    for (;;) {
        const Event e = w.nextEvent();
        const Control* c = w.control(e.control);
        if (e.kind == EventKind::CloseWindow || e.kind == EventKind::CloseDown) return w.close();
        if (e.kind != EventKind::Accepted || !c) continue;
        const std::string& asked = c->useName();
        if (asked == "?MESSAGE") messageBox("Было редактирование!", "Выйти без сохранения?", rt::Buttons::YesNo);
        if (asked == "?CALENDAR") calendarDialog("Дата акта", 0);
        if (asked == "?FILE") fileDialog("Файл акта", "Все файлы|*.*");
        if (asked == "?NOTE") messageBox("Запись сохранена", "Хозяйство добавлено.");
        if (asked == "?PICKER") runPicker();
        if (asked == "?CLOSE") return w.close();
        w.select(w.idOf("?NAME"));
    }
}

class WindowManagerTest : public QtTest {
protected:
    static void SetUpTestSuite() { unavailable_ = ManagedDesktop::start(); }
    void SetUp() override {
        gName = "";
        if (unavailable_) GTEST_SKIP() << "no virtual screen with a window manager: " << *unavailable_;
        start({"Main", WindowKind::Frame, [](LayoutBuilder& b, Window&) { b.statusBar({-1}); }});
        ASSERT_TRUE(pumpUntil([&] { return top("Main") != nullptr; }));
        top("Main")->setGeometry(60, 60, 1400, 860);
        start({"Caller", WindowKind::MdiChild,
               [](LayoutBuilder& b, Window& w) {
                   b.button("?FORM", "Форма");
                   w.setDesignedGeometry({0, 0, 600, 400});
               },
               [](Window&, const Event& e) {
                   if (e.kind == EventKind::Accepted) runForm();
               }});
        ASSERT_TRUE(pumpUntil([&] { return top("Caller") != nullptr; }));
        wait(300);
        QTest::mouseClick(widget("Caller", "?FORM"), Qt::LeftButton);
        ASSERT_TRUE(pumpUntil([&] { return top("Form") && top("Form")->isVisible(); }));
        wait(300);
    }

    // Whether the screen shows `w` itself where it stands, nothing over it.
    static bool shownOnTop(QWidget& w) {
        const QRect at = w.geometry();
        const QImage screen = w.screen()->grabWindow(0, at.x(), at.y(), at.width(), at.height()).toImage();
        const QImage own = w.grab().toImage().convertToFormat(screen.format());
        if (screen.size() != own.size()) return false;
        int differ = 0;
        for (int y = 0; y < own.height(); y += 2)
            for (int x = 0; x < own.width(); x += 2) differ += screen.pixel(x, y) != own.pixel(x, y);
        return differ * 4 < own.width() * own.height() / 20;
    }
    static QWidget* shownDialog() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(w) && w->isVisible()) return w;
        return nullptr;
    }

    static inline std::optional<std::string> unavailable_;
};

TEST_F(WindowManagerTest, WhatAFormAsksForStaysAboveItWhateverIsClicked) {
    for (const char* asked : {"?MESSAGE", "?CALENDAR", "?FILE", "?PICKER"}) {
        QTest::mouseClick(widget("Form", asked), Qt::LeftButton);
        QWidget* over = nullptr;
        ASSERT_TRUE(pumpUntil([&] {
            over = std::string(asked) == "?PICKER" ? top("Picker") : shownDialog();
            return over && over->isVisible();
        })) << asked;
        wait(250);
        EXPECT_TRUE(shownOnTop(*over)) << asked << " as it opens";
        struct Click {
            const char* on;
            QPoint at;
        };
        const Click clicks[] = {{"the form's title bar", ManagedDesktop::titleBar(*top("Form"))},
                                {"the greyed form", top("Form")->geometry().topLeft() + QPoint(10, 10)},
                                {"the frame's title bar", ManagedDesktop::titleBar(*top("Main"))},
                                {"the form's title bar again", ManagedDesktop::titleBar(*top("Form"))}};
        for (const Click& c : clicks) {
            ManagedDesktop::click(c.at);
            wait(250);
            EXPECT_TRUE(shownOnTop(*over)) << asked << " after a click on " << c.on;
        }
        EXPECT_EQ(QApplication::activeWindow(), over) << asked << ": the form hands its activation on";
        if (std::string(asked) == "?PICKER") QTest::mouseClick(widget("Picker", "?CLOSE"), Qt::LeftButton);
        else static_cast<QDialog*>(over)->reject();
        ASSERT_TRUE(pumpUntil([&] { return !window("Form")->blocked(); })) << asked;
        wait(200);
    }
}

// The frame clicked while the form waits takes the activation for a moment; the answer gives it back.
TEST_F(WindowManagerTest, TheFormHasTheKeyboardAgainOnceWhatItAskedForCloses) {
    struct Case {
        const char* asked;
        std::function<void(QWidget&)> answer;
    };
    const auto clickButton = [](QMessageBox::StandardButton b) {
        return [b](QWidget& box) {
            QWidget* button = static_cast<QMessageBox&>(box).button(b);
            ManagedDesktop::click(button->mapToGlobal(button->rect().center()));
        };
    };
    const auto cancel = [](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); };
    const Case cases[] = {
        {"?MESSAGE", clickButton(QMessageBox::No)},
        {"?NOTE", clickButton(QMessageBox::Ok)},
        {"?FILE", cancel},
        {"?CALENDAR", cancel},
        {"?PICKER", [this](QWidget&) {
             QWidget* close = widget("Picker", "?CLOSE");
             ManagedDesktop::click(close->mapToGlobal(close->rect().center()));
         }},
    };
    QString typed;
    for (const Case& c : cases) {
        QTest::mouseClick(widget("Form", c.asked), Qt::LeftButton);
        QWidget* over = nullptr;
        ASSERT_TRUE(pumpUntil([&] {
            over = std::string(c.asked) == "?PICKER" ? top("Picker") : shownDialog();
            return over && over->isVisible();
        })) << c.asked;
        wait(250);
        ManagedDesktop::click(ManagedDesktop::titleBar(*top("Main")));
        wait(250);
        c.answer(*over);
        ASSERT_TRUE(pumpUntil([&] { return !window("Form")->blocked(); })) << c.asked;
        wait(300);
        EXPECT_EQ(QApplication::activeWindow(), top("Form")) << c.asked;
        EXPECT_EQ(QApplication::focusWidget(), widget("Form", "?NAME")) << c.asked;
        ManagedDesktop::type("abc");
        typed += "abc";
        wait(300);
        EXPECT_EQ(static_cast<QLineEdit*>(widget("Form", "?NAME"))->text().trimmed(), typed)
            << c.asked << ": the keys typed next reach the form";
    }
}

}  // namespace

}  // namespace vx::qt::testing
