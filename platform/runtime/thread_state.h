#pragma once
// Values every thread has its own copy of, zero (empty) when the thread starts.

#include <optional>
#include <string>
#include <vector>

#include "platform/core/fields.h"
#include "platform/runtime/error_messages.h"
#include "platform/runtime/thread_instance.h"

namespace vx::rt {

// What %File, %Key, %ErrorText and %Message stand for in a message.
struct MessageFields {
    std::string file{};
    std::string key{};
    std::string errorText{};
    std::string message{};
};

// The thread's error state used by the error manager.
struct ErrorStatus {
    // Names pushed by the window procedures running on the thread, innermost last.
    std::vector<std::string> procedureNames;
    std::optional<MessageId> lastMessage;
    MessageFields lastFields;
};

// Codes of GLOBALREQUEST and GLOBALRESPONSE.
namespace request {
inline constexpr Byte None = 0, Insert = 1, Change = 2, Delete = 3, View = 6;
}
namespace response {
inline constexpr Byte None = 0, Completed = 1, Cancelled = 2;
}

extern ThreadInstance<ErrorStatus> GLOBALERRORSTATUS;
// The request handed to an update form, and its answer.
extern ThreadInstance<Byte> GLOBALREQUEST;
extern ThreadInstance<Byte> GLOBALRESPONSE;
// Record-stepping request between a browse and the form it opened.
extern ThreadInstance<Long> VCRREQUEST;

}  // namespace vx::rt
