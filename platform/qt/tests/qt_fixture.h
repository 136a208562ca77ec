#pragma once
// Tests of the Qt renderer: one QApplication for the run (offscreen unless
// QT_QPA_PLATFORM says otherwise), the front end installed per test, window
// procedures run on fibers that log their events, and pumping Qt's event loop
// until the model has done what a test waits for.

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/front_end.h"
#include "platform/ui/layout.h"

namespace vx::qt::testing {

using Log = std::vector<std::string>;

struct TestProc {
    std::string procedure;
    ui::WindowKind kind = ui::WindowKind::MdiChild;
    std::function<void(ui::LayoutBuilder&, ui::Window&)> layout;
    // Acts on each event after it is logged.
    std::function<void(ui::Window&, const ui::Event&)> handler{};
};

class QtTest : public ::testing::Test {
protected:
    QtTest();
    ~QtTest() override;

    // Starts the procedure on a thread of its own; its events go to log().
    void start(TestProc proc);
    // Runs Qt's event loop until `done` holds (false after a few seconds of waiting).
    bool pumpUntil(const std::function<bool()>& done);
    // Runs the event loop until nothing is left to do.
    void settle();
    // Runs the event loop for `ms` milliseconds, while a window manager answers in its own time.
    void wait(int ms);

    ui::Window* window(std::string_view procedure) const;
    QWidget* top(std::string_view procedure) const;
    QWidget* widget(std::string_view procedure, std::string_view control) const;
    bool logged(const std::string& line) const;

    Log log_;
    mutable QtFrontEnd frontEnd_;
};

}  // namespace vx::qt::testing
