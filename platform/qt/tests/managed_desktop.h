#pragma once
// A virtual screen with a window manager, for the tests that need the window
// system's own title bars, stacking and activation: Xvfb on a display of its
// own and openbox on it, started once for the test process and ended with it.

#include <QPoint>
#include <QWidget>
#include <optional>
#include <string>

namespace vx::qt::testing {

class ManagedDesktop {
public:
    // Starts the screen and its window manager and points Qt at them; call it before the
    // QApplication is made. Answers why they could not be started (the test is then skipped).
    static std::optional<std::string> start();
    // A click of the window system's own pointer at a point of the screen (on a title bar, say).
    static void click(QPoint at);
    // Keys typed as the window system delivers them: to the window it has the input focus in.
    static void type(const std::string& text);
    // Where a click lands on a window's title bar: the window system's, or an MDI child's own.
    static QPoint titleBar(const QWidget& w);
};

}  // namespace vx::qt::testing
