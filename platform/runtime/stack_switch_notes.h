#pragma once
// Tells AddressSanitizer when the running stack changes, so that it follows the
// fibers' stacks instead of taking them for damage. Does nothing in other builds.

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#include <sanitizer/common_interface_defs.h>
#endif

namespace vx::rt::detail {

struct StackBounds {
    const void* bottom = nullptr;
    std::size_t size = 0;
};

// Just before switching to the stack `to`; `saved` keeps what the sanitizer needs to come
// back, nullptr when the stack being left ends for good.
inline void leavingStack([[maybe_unused]] void** saved, [[maybe_unused]] const StackBounds& to) {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_start_switch_fiber(saved, to.bottom, to.size);
#endif
}

// Just after arriving on a stack; `from` receives the bounds of the stack left.
inline void arrivedOnStack([[maybe_unused]] void* saved, [[maybe_unused]] StackBounds* from) {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_finish_switch_fiber(saved, from ? &from->bottom : nullptr, from ? &from->size : nullptr);
#endif
}

// Just before a stack's memory goes back to the system: the marks the sanitizer
// left on it would otherwise stay on whatever is mapped there next (its own
// symbolizer's buffers among them, which it then reports as overflowing).
inline void stackFreed([[maybe_unused]] const StackBounds& stack) {
#if defined(__SANITIZE_ADDRESS__)
    __asan_unpoison_memory_region(stack.bottom, stack.size);
#endif
}

}  // namespace vx::rt::detail
