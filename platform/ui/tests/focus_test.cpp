#include <gtest/gtest.h>

#include "platform/ui/dialogs.h"
#include "platform/ui/tests/test_window.h"

namespace vx::ui {
namespace {

using testing::Log;
using testing::TestWindow;

class Focus : public ::testing::Test {
protected:
    void SetUp() override {
        // ?BUTTON20 acts when it receives the focus; ?FORM opens a form on the window's thread.
        TestWindow form{"UpdateForm", [](LayoutBuilder& b) { b.button("?OK", "&Да"); }, &log};
        TestWindow tools{"Tools",
                         [this](LayoutBuilder& b) {
                             b.entry("?FIRST", text, "@s10");
                             b.button("?BUTTON20", "Синхронизировать");
                             b.button("?FORM", "Форма");
                             b.button("?HIDDEN", "Скрытая").hide();
                             b.button("?OFF", "Выключена").disable();
                             b.display("?SHOWN", text, "@s10");
                             b.sheet("?SHEET", [&] {
                                 b.tab("?TAB1", "Первая", [&] { b.button("?ON1", "На первой"); });
                                 b.tab("?TAB2", "Вторая", [&] { b.button("?ON2", "На второй"); });
                             });
                         },
                         &log};
        tools.handler = [this, form](Window& w, const Event& e) {
            if (e.kind == EventKind::Selected && e.control == w.idOf("?BUTTON20"))
                messageBox("Возраст", "Возраст синхронизирован");
            if (e.kind == EventKind::Accepted && e.control == w.idOf("?FORM")) form();
        };
        h.addProcedure("Tools", tools);
        PLAY(h.start("Tools"));
        log.clear();
    }

    Str text{10};
    Log log;
    headless::Harness h;
};

TEST_F(Focus, AFocusButtonActsOnceWhenTheUserMovesOntoIt) {
    PLAY(h.press("?BUTTON20"));  // a click without focus: focus first (it acts), then the press
    PLAY(h.expectMessage("Возраст", "Возраст синхронизирован"));
    PLAY(h.press("?FORM"));
    PLAY(h.expectWindow("UpdateForm"));
    PLAY(h.press("?OK"));
    PLAY(h.close());
    PLAY(h.expectClosed("UpdateForm"));
    // Neither the message box nor the form closing gave the focus back as a new event.
    PLAY(h.press("?FORM"));
    PLAY(h.close());
    PLAY(h.expectNoMessage());
    EXPECT_EQ(log, (Log{"Selected ?BUTTON20", "Accepted ?BUTTON20", "Selected ?FORM", "Accepted ?FORM", "OpenWindow",
                        "Accepted ?OK", "CloseWindow", "Accepted ?FORM", "OpenWindow", "CloseWindow"}));
}

TEST_F(Focus, TabVisitsOnlyControlsTheUserCanReach) {
    Window& w = *h.current();
    auto names = [&] {
        std::vector<std::string> out;
        for (ControlId id : w.tabOrder()) out.push_back(w.control(id)->useName());
        return out;
    };
    EXPECT_EQ(names(), (std::vector<std::string>{"?FIRST", "?BUTTON20", "?FORM", "?ON1"}));
    PLAY(h.tab("?SHEET", "Вторая"));
    EXPECT_EQ(names().back(), "?ON2");
    EXPECT_FALSE(h.press("?HIDDEN"));
    EXPECT_FALSE(h.press("?OFF"));
    EXPECT_FALSE(h.press("?ON1"));  // on a tab not on view

    // The program moves the focus: one Selected; hiding the focused control moves it quietly.
    w.select(w.idOf("?ON2"));
    w.select(w.idOf("?ON2"));
    PLAY(h.settle());
    w.control("?ON2")->hide();
    EXPECT_EQ(w.focused(), w.idOf("?FIRST"));
    PLAY(h.settle());
    EXPECT_EQ(log, (Log{"NewSelection ?SHEET", "Selected ?ON2"}));
}

}  // namespace
}  // namespace vx::ui
