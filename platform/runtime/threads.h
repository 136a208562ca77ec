#pragma once
// Threads of the windows. Every such thread is a stackful fiber on the one OS
// thread: started at once, run by the scheduler from the main loop, switching
// only where it suspends. Code that runs outside any fiber (the main loop, unit
// tests) is thread 0.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>

namespace vx::rt {

using ThreadId = std::uint32_t;

// A stack request below this counts as this.
inline constexpr std::size_t kMinimumStackRequest = 20000;
// No fiber gets less real stack than this: text layout alone needs more than the requests.
inline constexpr std::size_t kMinimumRealStack = 1024 * 1024;

// The stack a thread started with that request really gets.
std::size_t realStackSize(std::size_t asked);

// Creates a thread that runs `procedure` when the scheduler next runs; returns at once.
// Numbers start at 1 and are never reused.
ThreadId startThread(std::function<void()> procedure, std::size_t stackBytes);

// The running thread's number; 0 when no fiber runs.
ThreadId currentThread();
bool isAlive(ThreadId id);
// Threads started and not yet ended.
std::size_t threadCount();
// The stack request a living thread was started with (raised to the minimum); 0 for others.
std::size_t requestedStack(ThreadId id);

// In a fiber: gives the OS stack back to the scheduler until wake(currentThread()).
// Throws std::logic_error outside a fiber or inside a yield hook.
void suspend();
// Makes a suspended thread ready; it resumes at the scheduler's next run. A thread
// that wakes itself is resumed again after it suspends. Unknown or ended ids are ignored.
void wake(ThreadId id);
// Suspends until `condition` holds; checked at once and after every wake.
void waitUntil(const std::function<bool()>& condition);

// On the OS stack: resumes every ready thread, first come first served, until none is
// ready. Returns whether any ran. Throws std::logic_error when called inside a fiber.
bool runReady();

// Hooks. Each registration returns an id for removeHook.
using HookId = std::uint64_t;
// Runs in the fiber each time it suspends or ends, just before control leaves it.
// A yield hook must not suspend.
HookId addYieldHook(std::function<void()> hook);
// Runs at the start of every thread, before its procedure, in order of registration.
HookId addThreadAttachHook(std::function<void()> hook);
// Runs at the end of every thread, after its procedure, in reverse order of registration.
HookId addThreadDetachHook(std::function<void()> hook);
void removeHook(HookId id);

// Receives what a thread's procedure or hook let escape; the thread goes on to its end.
using ExceptionHandler = std::function<void(ThreadId, std::exception_ptr)>;
// Installs a handler and returns the previous one. The default prints to stderr;
// an empty handler restores it.
ExceptionHandler setExceptionHandler(ExceptionHandler handler);

}  // namespace vx::rt
