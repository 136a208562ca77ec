#pragma once
// Tells AddressSanitizer when the running stack changes, so that it follows the
// fibers' stacks instead of taking them for damage, and when a stack is given back.
// Does nothing in other builds.

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

// Just before a fiber's stack is unmapped. The fiber's entry frame never returns, so its
// red zones are still marked; memory mapped later at the same place would be taken for
// that old frame.
inline void stackReleased([[maybe_unused]] const StackBounds& stack) {
#if defined(__SANITIZE_ADDRESS__)
    __asan_unpoison_memory_region(stack.bottom, stack.size);
#endif
}

}  // namespace vx::rt::detail
