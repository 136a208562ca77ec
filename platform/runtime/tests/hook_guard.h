#pragma once
// Hooks and handlers installed for one test and taken away after it, so tests do
// not see each other's.

#include <vector>

#include "platform/runtime/threads.h"

namespace vx::rt::test {

class HookGuard {
public:
    HookGuard() = default;
    HookGuard(const HookGuard&) = delete;
    HookGuard& operator=(const HookGuard&) = delete;
    ~HookGuard() {
        for (HookId id : ids_) removeHook(id);
        if (handlerSet_) setExceptionHandler(previous_);
    }

    void attach(std::function<void()> f) { ids_.push_back(addThreadAttachHook(std::move(f))); }
    void detach(std::function<void()> f) { ids_.push_back(addThreadDetachHook(std::move(f))); }
    void yield(std::function<void()> f) { ids_.push_back(addYieldHook(std::move(f))); }
    void onException(ExceptionHandler h) {
        ExceptionHandler old = setExceptionHandler(std::move(h));
        if (!handlerSet_) previous_ = std::move(old);
        handlerSet_ = true;
    }

private:
    std::vector<HookId> ids_;
    ExceptionHandler previous_;
    bool handlerSet_ = false;
};

}  // namespace vx::rt::test
