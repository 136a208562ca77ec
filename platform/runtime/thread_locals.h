#pragma once
// The objects one thread holds through ThreadInstance: found by slot, destroyed
// in reverse order of construction.

#include <cstddef>
#include <vector>

namespace vx::rt::detail {

class ThreadLocals {
public:
    using Destroy = void (*)(void*);

    ThreadLocals() = default;
    ThreadLocals(const ThreadLocals&) = delete;
    ThreadLocals& operator=(const ThreadLocals&) = delete;
    ~ThreadLocals() { destroyAll(); }

    // The object in `slot`, nullptr when none was made yet.
    void* find(std::size_t slot) const { return slot < slots_.size() ? slots_[slot] : nullptr; }
    // Takes ownership of `object` for `slot`.
    void adopt(std::size_t slot, void* object, Destroy destroy);
    // Destroys every object, the newest first; objects made by a destructor meanwhile go too.
    void destroyAll();

private:
    struct Owned {
        std::size_t slot;
        void* object;
        Destroy destroy;
    };
    std::vector<void*> slots_;
    std::vector<Owned> order_;
};

// A new slot number, one per ThreadInstance object.
std::size_t newSlot();
// The objects of the running thread (thread 0 has its own).
ThreadLocals& currentThreadLocals();

}  // namespace vx::rt::detail
