#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ui/desktop.h"
#include "platform/ui/tests/test_window.h"

namespace vx::ui {
namespace {

using testing::Log;
using testing::TestWindow;

TEST(EventLoop, OpenWindowComesFirstThenPostedEventsInOrder) {
    Log log;
    WindowId id = 0;
    headless::Harness h;  // after what its windows use: it closes them when it goes
    h.addProcedure("Browse", [&] {
        Window w(WindowKind::MdiChild, "Browse");
        LayoutBuilder(w).list("?LIST");
        // A list posts its first new selection while the window is being set up.
        w.post(Event{EventKind::NewSelection, w.idOf("?LIST")});
        w.open();
        id = w.id();
        for (;;) {
            const Event e = w.nextEvent();
            log.push_back(testing::describe(w, e) + (e.kind == EventKind::User ? " " + std::to_string(e.code) : ""));
            if (e.kind == EventKind::CloseWindow || e.kind == EventKind::CloseDown) break;
        }
    });
    PLAY(h.start("Browse"));
    Event first{EventKind::User};
    first.code = 1;
    Event second = first;
    second.code = 2;
    desktop().post(id, first);
    desktop().post(id, second);
    PLAY(h.settle());
    PLAY(h.close());
    EXPECT_EQ(log, (Log{"OpenWindow", "NewSelection ?LIST", "User 1", "User 2", "CloseWindow"}));
    PLAY(h.expectClosed("Browse"));
}

TEST(EventLoop, EventsFollowTheUsersGesture) {
    Log log;
    Str a(10), c(10);
    headless::Harness h;
    h.addProcedure("Form", TestWindow{"Form",
                                      [&](LayoutBuilder& b) {
                                          b.entry("?A", a, "@s10");
                                          b.button("?B", "&B");
                                          b.entry("?C", c, "@s10");
                                      },
                                      &log});
    PLAY(h.start("Form"));
    log.clear();
    Window& w = *h.current();
    // Typing into ?A (focused since the window opened), then a click on ?B: ?A is
    // confirmed, ?B gets the focus, then it is pressed.
    PLAY(input::type(w, w.idOf("?A"), "текст"));
    PLAY(h.press("?B"));
    PLAY(h.press("?B"));
    PLAY(h.key("", "Tab"));
    PLAY(h.key("", "Shift+Tab"));
    EXPECT_EQ(log, (Log{"Accepted ?A", "Selected ?B", "Accepted ?B", "Accepted ?B", "Selected ?C", "Selected ?B"}));
    EXPECT_EQ(a.str(), "текст");
}

TEST(EventLoop, AWindowWithNothingToDoOutsideAThreadRefusesToWait) {
    headless::Harness h;
    Window w(WindowKind::Plain, "Lonely");
    w.open();
    EXPECT_EQ(w.nextEvent().kind, EventKind::OpenWindow);
    EXPECT_THROW(w.nextEvent(), std::logic_error);
    w.close();
    EXPECT_THROW(w.nextEvent(), std::logic_error);
}

}  // namespace
}  // namespace vx::ui
