#pragma once
// Drives the window model from Qt's event loop. Fibers run only here, in a
// queued call on the main stack: whoever gives the model work (a user's action,
// a dialog's answer) asks for a step, and the model's window timers are kept
// by one QTimer set to the next that is due. A step runs Desktop::runPending()
// (due timers, every ready thread, pending redraws).

#include <QObject>
#include <QTimer>
#include <functional>

namespace vx::qt {

class MainLoop : public QObject {
public:
    MainLoop();

    // Schedules one step from the event loop; several requests before it make one step.
    void requestStep();
    // Called after every step; the front end ends the program from here.
    void setAfterStep(std::function<void()> f) { afterStep_ = std::move(f); }

private:
    void step();
    void armTimer();

    QTimer timer_;
    bool queued_ = false;
    std::function<void()> afterStep_;
};

}  // namespace vx::qt
