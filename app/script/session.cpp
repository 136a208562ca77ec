#include "app/script/session.h"

#include <sstream>

#include "app/program.h"
#include "app/script/file_dump.h"
#include "app/script/play_command.h"
#include "app/script/program_globals.h"

namespace vx::script {

Session::Session(const windows::WindowTable& windows, std::function<void()> frame) {
    for (const windows::Window& w : windows.rows())
        if (w.procedure) harness_.addProcedure(std::string(w.name), w.procedure, w.stack);
    harness_.globals = programGlobal;
    harness_.fileDumper = dumpDataFile;
    harness_.ini = &app::INIMGR();
    if (!frame) frame = [this] { rt::waitUntil([this] { return ended_; }); };
    body_ = rt::startThread([frame = std::move(frame)] { app::programMain(frame); }, 0);
    started_ = harness_.settle();
}

Session::~Session() {
    ended_ = true;
    rt::wake(body_);
}

int Session::run(const Script& script, std::ostream& transcript) {
    if (!started_) {
        transcript << "FAILED before the first line: the program did not start: " << started_.refusal << "\n";
        return 1;
    }
    for (const Command& c : script) {
        std::ostringstream dumped;
        const ui::Outcome o = playCommand(harness_, c, dumped);
        transcript << c.line << ": " << c.source << (o ? " -> ok" : " -> failed") << "\n" << dumped.str();
        if (!o) {
            transcript << "FAILED at line " << c.line << ": " << c.source << ": " << o.refusal << "\n";
            return 1;
        }
    }
    transcript << "passed: " << script.size() << " commands\n";
    return 0;
}

}  // namespace vx::script
