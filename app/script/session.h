#pragma once
// A headless session: the harness over the program's windows, the program body
// on a thread of its own, and the run of a script against them. Program start-up
// (app::processAttach) must have run before a session begins.

#include <functional>
#include <ostream>

#include "app/script/script.h"
#include "platform/headless/harness.h"
#include "platform/runtime/threads.h"
#include "windows/window_table.h"

namespace vx::script {

class Session {
public:
    // `frame` is what the program body runs once the thread's managers are built, as
    // the frame does for a user, before the script's first line. Empty: the body only
    // waits for the end of the session.
    explicit Session(const windows::WindowTable& windows, std::function<void()> frame = {});
    // Closes the windows still open and ends the program body.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Plays the commands in order, writing each with its outcome (and the dumps) to
    // `transcript`; stops at the first command that fails. 0 when all succeeded, else 1.
    int run(const Script& script, std::ostream& transcript);

    headless::Harness& harness() { return harness_; }

private:
    headless::Harness harness_;
    bool ended_ = false;
    rt::ThreadId body_ = 0;
    ui::Outcome started_;
};

}  // namespace vx::script
