#pragma once
// ThreadInstance<T>: one T per thread (per fiber; code outside any fiber has its
// own), value-initialised on first use on that thread and destroyed when the
// thread ends, after its detach hooks, newest first.

#include <memory>

#include "platform/runtime/thread_locals.h"

namespace vx::rt {

template <class T>
class ThreadInstance {
public:
    ThreadInstance() : slot_(detail::newSlot()) {}
    ThreadInstance(const ThreadInstance&) = delete;
    ThreadInstance& operator=(const ThreadInstance&) = delete;

    // The running thread's T.
    T& get() const {
        detail::ThreadLocals& locals = detail::currentThreadLocals();
        if (void* found = locals.find(slot_)) return *static_cast<T*>(found);
        auto made = std::make_unique<T>();
        locals.adopt(slot_, made.get(), [](void* p) { delete static_cast<T*>(p); });
        return *made.release();
    }
    T& operator*() const { return get(); }
    T* operator->() const { return &get(); }

private:
    std::size_t slot_;
};

}  // namespace vx::rt
