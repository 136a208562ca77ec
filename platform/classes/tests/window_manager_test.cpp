#include <gtest/gtest.h>

#include "platform/classes/tests/classes_fixture.h"
#include "platform/classes/window_manager.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/layout.h"

namespace vx::classes::testing {
namespace {

using Trace = std::vector<std::string>;

std::string kindOf(const ui::Event& e) { return std::string(ui::eventName(e.kind)); }

// Notes every event it is offered, before and after the window's handlers.
struct Recorder : WindowComponent {
    explicit Recorder(Trace& t) : trace(t) {}
    bool takeFirst(const ui::Event& e) override {
        if (e.control) trace.push_back("first " + kindOf(e));
        return false;
    }
    Level takeEvent(const ui::Event& e) override {
        if (e.control) trace.push_back("component " + kindOf(e));
        return Level::Benign;
    }
    bool resetRequired() override { return wantReset; }
    void reset(bool force) override {
        trace.push_back(force ? "reset forced" : "reset");
        wantReset = false;
    }
    Trace& trace;
    bool wantReset = false;
};

// A tool window with a button, an entry and a close button, tracing its handlers.
class ToolWindow : public WindowManager {
public:
    ToolWindow(ui::Window& w, Trace& t) : WindowManager(w), trace(t), recorder(t) {
        addItem(recorder);
        addCloseButton("?CLOSE", rt::response::Completed);
    }
    Level TakeWindowEvent() override {
        trace.push_back("window " + kindOf(event()));
        return WindowManager::TakeWindowEvent();
    }
    Level TakeAccepted() override {
        trace.push_back("accepted " + window().control(field())->useName());
        if (isField("?FATAL")) return Level::Fatal;
        if (isField("?B")) {
            recorder.wantReset = true;
            if (onB) onB();
        }
        return WindowManager::TakeAccepted();
    }
    Level TakeSelected() override {
        trace.push_back("selected " + window().control(field())->useName());
        return WindowManager::TakeSelected();
    }
    Level TakeFieldEvent() override {
        trace.push_back("field " + kindOf(event()));
        return WindowManager::TakeFieldEvent();
    }
    Trace& trace;
    Recorder recorder;
    std::function<void()> onB;
};

class WindowManagerTest : public ClassesTest {
protected:
    void SetUp() override {
        ClassesTest::SetUp();
        h->addProcedure("Tool", [this] { tool(); });
    }

    void tool() {
        *rt::GLOBALREQUEST = requestGiven;
        ui::Window w(ui::WindowKind::MdiChild, "Tool");
        ui::LayoutBuilder b(w);
        b.column([&] {
            b.entry("?E", text, "@s10");
            b.button("?B", "Кнопка");
            b.button("?FATAL", "Конец");
            b.button("?CLOSE", "Закрыть");
        });
        w.setDesignedGeometry({0, 0, 300, 200});
        ToolWindow ThisWindow(w, trace);
        ThisWindow.addFile(files().relate(GRP));
        ThisWindow.setUpdateProcedure(1, [this] {
            dispatched.push_back(*rt::GLOBALREQUEST);
            *rt::GLOBALRESPONSE = rt::response::Completed;
        });
        ThisWindow.setFirstField("?E");
        ThisWindow.onB = [&] {
            nameWhileOpen = rt::GLOBALERRORS.procedureName();
            requestSeen = ThisWindow.request();
            requestLeft = *rt::GLOBALREQUEST;
            usersWhileOpen = files().access(GRP).users() + files().access(MEM).users();
            for (auto [number, request] : asks) answers.push_back(ThisWindow.Run(number, request));
        };
        trace.push_back("run");
        window = &w;
        response = ThisWindow.Run();
        window = nullptr;
        nameAfter = rt::GLOBALERRORS.procedureName();
        usersAfter = files().access(GRP).users() + files().access(MEM).users();
    }

    Byte requestGiven = rt::request::Change;
    Str text{10};
    Trace trace;
    ui::Window* window = nullptr;
    std::vector<std::pair<int, Byte>> asks;
    std::vector<Byte> answers, dispatched;
    std::string nameWhileOpen, nameAfter = "?";
    Byte requestSeen = 0, requestLeft = 9, response = 0;
    int usersWhileOpen = 0, usersAfter = -1;
};

TEST_F(WindowManagerTest, LifeOfAWindowProcedure) {
    ini->put("Tool", "XPos", "40");
    ini->put("Tool", "Width", "500");
    PLAY(h->start("Tool"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->geometry(), (ui::Geometry{40, 0, 500, 200}));
    PLAY(h->press("?B"));
    EXPECT_EQ(nameWhileOpen, "Tool");
    EXPECT_EQ(requestSeen, rt::request::Change);
    EXPECT_EQ(requestLeft, rt::request::None);
    EXPECT_EQ(usersWhileOpen, 2) << "the file and its related file are registered";

    ui::input::stateChanged(*window, ui::WindowState::Maximized);
    PLAY(h->press("?CLOSE"));
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(response, rt::response::Completed);
    EXPECT_EQ(nameAfter, "");
    EXPECT_EQ(usersAfter, 0);
    PLAY(h->expectIni("Tool", "Maximize", "Yes"));
    EXPECT_FALSE(ini->get("Tool", "XPos")) << "a maximised window keeps no position";
}

TEST_F(WindowManagerTest, TheResizerKeepsTheOpeningSizeAsTheMinimum) {
    PLAY(h->start("Tool"));
    ui::input::moved(*window, {5, 5, 100, 400});
    PLAY(h->settle());
    EXPECT_EQ(window->geometry(), (ui::Geometry{5, 5, 300, 400}));
    ui::input::moved(*window, {5, 5, 640, 480});
    PLAY(h->settle());
    EXPECT_EQ(window->geometry(), (ui::Geometry{5, 5, 640, 480}));
}

TEST_F(WindowManagerTest, DispatchOrderAndTheResetAfterAnEvent) {
    PLAY(h->start("Tool"));
    EXPECT_EQ(trace, (Trace{"run", "window OpenWindow", "reset forced"}));
    trace.clear();
    PLAY(h->press("?B"));
    EXPECT_EQ(trace, (Trace{"first Selected", "selected ?B", "field Selected", "component Selected", "first Accepted",
                            "accepted ?B", "field Accepted", "component Accepted", "reset"}));
}

TEST_F(WindowManagerTest, AFatalAnswerClosesTheWindow) {
    PLAY(h->start("Tool"));
    PLAY(h->press("?FATAL"));
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(response, rt::response::Cancelled) << "no response set answers cancelled";
    EXPECT_EQ(trace.back(), "accepted ?FATAL") << "the field handler and components do not see it";
}

TEST_F(WindowManagerTest, UpdateDispatch) {
    asks = {{1, rt::request::Insert}, {2, rt::request::Delete}};
    PLAY(h->start("Tool"));
    PLAY(h->press("?B"));
    EXPECT_EQ(dispatched, (std::vector<Byte>{rt::request::Insert}));
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0], rt::response::Completed);
    EXPECT_EQ(answers[1], rt::response::Completed) << "a number without a procedure answers the current response";
}

TEST_F(WindowManagerTest, AWindowOpenedForViewingAnswersCancelledToEveryRequest) {
    requestGiven = rt::request::View;
    asks = {{1, rt::request::Insert}};
    PLAY(h->start("Tool"));
    PLAY(h->press("?B"));
    EXPECT_TRUE(dispatched.empty());
    EXPECT_EQ(answers, (std::vector<Byte>{rt::response::Cancelled}));
}

}  // namespace
}  // namespace vx::classes::testing
