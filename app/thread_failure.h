#pragma once
// A window thread ended by an exception: its windows are gone with it. The user is
// told in a message (and stderr), and the program goes on with its other windows.

#include <exception>

#include "platform/runtime/threads.h"

namespace vx::app {

void reportThreadFailure(rt::ThreadId thread, std::exception_ptr error);

}  // namespace vx::app
