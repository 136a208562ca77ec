#include <gtest/gtest.h>

#include "platform/ui/desktop.h"
#include "platform/ui/tests/test_window.h"
#include "platform/ui/user_input.h"

namespace vx::ui {
namespace {

using testing::Log;
using testing::TestWindow;

// Two top-level windows, each on a thread of its own; the first can open a form
// on its own thread and post to the second.
class Threads : public ::testing::Test {
protected:
    void SetUp() override {
        TestWindow form{"UpdateForm", [](LayoutBuilder& b) { b.button("?OK", "&Да"); }, &formLog};
        TestWindow first{"First",
                         [](LayoutBuilder& b) {
                             b.button("?FORM", "Форма");
                             b.button("?SEND", "Послать");
                         },
                         &firstLog};
        first.handler = [this, form](Window& w, const Event& e) {
            if (e.kind != EventKind::Accepted) return;
            if (e.control == w.idOf("?FORM")) form();
            if (e.control == w.idOf("?SEND")) {
                Event posted{EventKind::User};
                posted.code = 7;
                posted.from = w.id();
                desktop().post(desktop().topWindowOf(secondThread)->id(), posted);
            }
        };
        TestWindow second{"Second", [](LayoutBuilder& b) { b.button("?PING", "Пинг"); }, &secondLog};
        second.handler = [this](Window&, const Event& e) {
            if (e.kind == EventKind::User && e.from)
                secondLog.back() += " from " + desktop().window(e.from)->procedure();
        };
        h.addProcedure("First", first);
        h.addProcedure("Second", [this, second] {
            secondThread = rt::currentThread();
            second();
        });
        PLAY(h.start("First"));
        PLAY(h.start("Second"));
        firstLog.clear();
        secondLog.clear();
    }

    Log firstLog, secondLog, formLog;
    rt::ThreadId secondThread = 0;
    headless::Harness h;
};

TEST_F(Threads, AWindowPostsToAnotherThreadsWindow) {
    PLAY(h.window("First"));
    PLAY(h.press("?SEND"));
    EXPECT_EQ(secondLog, (Log{"LoseFocus", "User from First"}));
    // Posted to a thread, an event reaches the window that thread works in.
    EXPECT_TRUE(desktop().postToThread(secondThread, Event{EventKind::User}));
    PLAY(h.settle());
    EXPECT_EQ(secondLog.size(), 3u);
    EXPECT_FALSE(desktop().postToThread(999999, Event{EventKind::User}));
}

TEST_F(Threads, AFormBlocksOnlyItsCallersThread) {
    PLAY(h.window("First"));
    PLAY(h.press("?FORM"));
    PLAY(h.expectWindow("UpdateForm"));
    Window* first = h.windowsOf("First").front();
    EXPECT_TRUE(first->blocked());

    // The caller's window takes no input; its posted events wait for it.
    PLAY(h.window("First"));
    EXPECT_FALSE(h.press("?SEND"));
    first->post(Event{EventKind::User});
    // Another thread's window goes on.
    PLAY(h.window("Second"));
    PLAY(h.press("?PING"));
    EXPECT_EQ(secondLog.back(), "Accepted ?PING");

    PLAY(h.window("UpdateForm"));
    PLAY(h.close());
    EXPECT_FALSE(first->blocked());
    // Working in the second window took the activation from the form.
    EXPECT_EQ(formLog, (Log{"OpenWindow", "LoseFocus", "CloseWindow"}));
    EXPECT_EQ(firstLog, (Log{"GainFocus", "Accepted ?FORM", "User"}));
}

TEST_F(Threads, TheCallerIsActiveAgainWhenItsFormClosesWhateverWasUsedMeanwhile) {
    PLAY(h.window("First"));
    PLAY(h.press("?FORM"));
    PLAY(h.expectWindow("UpdateForm"));
    Window* first = h.windowsOf("First").front();
    Window* form = h.windowsOf("UpdateForm").front();
    PLAY(h.window("Second"));
    PLAY(h.press("?PING"));
    // A click on the waiting caller brings back what it waits for.
    PLAY(input::activate(*first));
    EXPECT_EQ(desktop().activeWindow(), form);

    PLAY(h.window("UpdateForm"));
    PLAY(h.close());
    EXPECT_EQ(desktop().activeWindow(), first) << "not the second window, used while the form was up";
}

}  // namespace
}  // namespace vx::ui
