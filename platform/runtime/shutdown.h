#pragma once
// Work that must be done however the program ends (closing files, saving state).

#include <functional>

namespace vx::rt {

void addShutdownHook(std::function<void()> hook);
// Runs the hooks registered so far, the newest first, each once.
void runShutdownHooks();

}  // namespace vx::rt
