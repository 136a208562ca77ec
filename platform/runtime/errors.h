#pragma once
// The error manager: shows the fixed messages by id and answers by their level,
// and keeps the names of the window procedures running on each thread.

#include <functional>
#include <string>
#include <string_view>

#include "platform/runtime/error_messages.h"
#include "platform/runtime/message_sink.h"
#include "platform/runtime/thread_state.h"

namespace vx::rt {

// Appended to the text of a fatal message.
inline constexpr std::string_view kFatalSuffix = "  Press OK to end this application";

class ErrorManager {
public:
    using EndProgram = std::function<void()>;

    ErrorManager();
    ErrorManager(const ErrorManager&) = delete;
    ErrorManager& operator=(const ErrorManager&) = delete;

    // Shows message `id` on the running thread and answers by its level: a question
    // answers Benign for yes and Cancel for no; a fatal message ends the program
    // after the user's OK (returning Fatal only if the end-program handler returns);
    // any other level is shown with OK and answered as itself.
    Level raise(MessageId id, const MessageFields& fields = {});

    // The text as shown: fields put in, "|" as line breaks, the fatal suffix added.
    static std::string messageText(MessageId id, const MessageFields& fields);

    // The procedure-name stack of the running thread.
    void setProcedureName(std::string_view name);
    void popProcedureName();
    // The innermost name, "" when none.
    std::string procedureName() const;

    MessageSink& sink() const { return *sink_; }
    // Installs a sink (nullptr: the recorder) and returns the previous one.
    MessageSink* setSink(MessageSink* sink);
    RecordingSink& recorder() { return recorder_; }

    // Installs the handler a fatal message ends the program with (empty: the default,
    // which runs the shutdown hooks and exits with code 3); returns the previous one.
    EndProgram setEndProgramHandler(EndProgram handler);

private:
    RecordingSink recorder_;
    MessageSink* sink_;
    EndProgram endProgram_;
};

// The process-wide error manager.
extern ErrorManager GLOBALERRORS;

}  // namespace vx::rt
