#pragma once
// The program's Qt front end: with a QApplication made, it installs the Qt
// renderer and the message-box sink of the error manager, and runs Qt's event
// loop as the model's main loop until the last window has closed and every
// thread has ended; the desktop's ending signals close every window first.
// The destructor puts back what it replaced.

#include "platform/qt/end_signals.h"
#include "platform/qt/main_loop.h"
#include "platform/qt/qt_renderer.h"
#include "platform/runtime/message_sink.h"
#include "platform/ui/dialogs.h"

namespace vx::qt {

class QtFrontEnd {
public:
    QtFrontEnd();
    ~QtFrontEnd();
    QtFrontEnd(const QtFrontEnd&) = delete;
    QtFrontEnd& operator=(const QtFrontEnd&) = delete;

    QtRenderer& renderer() { return renderer_; }
    MainLoop& loop() { return loop_; }
    // Qt's event loop; returns its exit code.
    int run();

private:
    MainLoop loop_;
    EndSignals endSignals_{loop_};
    QtRenderer renderer_;
    ui::MessageBoxSink sink_;
    ui::Renderer* previousRenderer_;
    rt::MessageSink* previousSink_;
};

}  // namespace vx::qt
