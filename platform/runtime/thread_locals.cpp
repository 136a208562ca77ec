#include "platform/runtime/thread_locals.h"

namespace vx::rt::detail {

void ThreadLocals::adopt(std::size_t slot, void* object, Destroy destroy) {
    if (slot >= slots_.size()) slots_.resize(slot + 1, nullptr);
    order_.reserve(order_.size() + 1);
    slots_[slot] = object;
    order_.push_back({slot, object, destroy});
}

void ThreadLocals::destroyAll() {
    while (!order_.empty()) {
        Owned last = order_.back();
        order_.pop_back();
        slots_[last.slot] = nullptr;
        last.destroy(last.object);
    }
}

std::size_t newSlot() {
    static std::size_t next = 0;
    return next++;
}

}  // namespace vx::rt::detail
