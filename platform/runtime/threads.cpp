#include "platform/runtime/threads.h"

#include <algorithm>
#include <boost/context/fiber.hpp>
#include <boost/context/protected_fixedsize_stack.hpp>
#include <deque>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/runtime/stack_switch_notes.h"
#include "platform/runtime/thread_locals.h"

namespace vx::rt {
namespace {

namespace bc = boost::context;

struct Fiber {
    ThreadId id = 0;
    std::size_t request = 0;
    std::function<void()> procedure;
    bc::fiber context;    // where the thread goes on, while it is not running
    bc::fiber scheduler;  // where it goes back to, while it runs
    detail::ThreadLocals locals;
    detail::StackBounds stack;
    void* sanitizerState = nullptr;
    bool ready = false;
    bool ended = false;
};

// The guarded stack, remembering where it lies.
struct FiberStack {
    bc::protected_fixedsize_stack guarded;
    Fiber* owner;

    bc::stack_context allocate() {
        bc::stack_context sc = guarded.allocate();
        owner->stack = {static_cast<char*>(sc.sp) - sc.size, sc.size};
        return sc;
    }
    void deallocate(bc::stack_context& sc) noexcept {
        detail::stackReleased({static_cast<char*>(sc.sp) - sc.size, sc.size});
        guarded.deallocate(sc);
    }
};

struct Hook {
    HookId id;
    std::function<void()> run;
};

void printToStderr(ThreadId id, std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::cerr << "thread " << id << ": " << e.what() << '\n';
    } catch (...) {
        std::cerr << "thread " << id << ": unknown exception\n";
    }
}

struct Scheduler {
    std::unordered_map<ThreadId, std::unique_ptr<Fiber>> fibers;
    std::deque<ThreadId> ready;
    Fiber* running = nullptr;
    detail::ThreadLocals outsideLocals;
    detail::ThreadLocals* locals = &outsideLocals;
    ThreadId lastThread = 0;
    HookId lastHook = 0;
    std::vector<Hook> yieldHooks, attachHooks, detachHooks;
    ExceptionHandler onException = printToStderr;
    bool inYieldHooks = false;
    detail::StackBounds osStack;
    void* sanitizerState = nullptr;
};

// Never destroyed: threads still suspended when the process ends are not unwound.
Scheduler& scheduler() {
    static Scheduler* s = new Scheduler;
    return *s;
}

void report(ThreadId id, std::exception_ptr error) {
    try {
        scheduler().onException(id, error);
    } catch (...) {
        printToStderr(id, std::current_exception());
    }
}

// Runs fn, handing an escaping exception to the handler outside the catch block, so
// the handler may suspend. Returns whether fn completed.
bool guarded(ThreadId id, const std::function<void()>& fn) {
    std::exception_ptr error;
    try {
        fn();
    } catch (...) {
        error = std::current_exception();
    }
    if (error) report(id, error);
    return !error;
}

void runYieldHooks(ThreadId id) {
    Scheduler& s = scheduler();
    const std::vector<Hook> hooks = s.yieldHooks;
    s.inYieldHooks = true;
    for (const Hook& h : hooks) guarded(id, h.run);
    s.inYieldHooks = false;
}

// The life of a thread, from its attach hooks to its last yield hooks.
void runThread(Fiber* f) {
    Scheduler& s = scheduler();
    const std::vector<Hook> attach = s.attachHooks;
    bool attached = std::all_of(attach.begin(), attach.end(), [&](const Hook& h) { return guarded(f->id, h.run); });
    if (attached) guarded(f->id, f->procedure);
    f->procedure = nullptr;  // what it holds goes while its thread still runs
    const std::vector<Hook> detach = s.detachHooks;
    for (auto h = detach.rbegin(); h != detach.rend(); ++h) guarded(f->id, h->run);
    f->locals.destroyAll();
    f->ended = true;
    runYieldHooks(f->id);
}

bc::fiber fiberBody(Fiber* f, bc::fiber&& from) {
    Scheduler& s = scheduler();
    detail::arrivedOnStack(nullptr, &s.osStack);
    f->scheduler = std::move(from);
    runThread(f);
    detail::leavingStack(nullptr, s.osStack);
    return std::move(f->scheduler);
}

HookId addHook(std::vector<Hook>& list, std::function<void()> hook) {
    HookId id = ++scheduler().lastHook;
    list.push_back({id, std::move(hook)});
    return id;
}

// The request as the thread keeps it.
std::size_t stackRequest(std::size_t asked) { return std::max(asked, kMinimumStackRequest); }

Fiber* living(ThreadId id) {
    Scheduler& s = scheduler();
    auto it = s.fibers.find(id);
    return it == s.fibers.end() || it->second->ended ? nullptr : it->second.get();
}

}  // namespace

std::size_t realStackSize(std::size_t asked) { return std::max(stackRequest(asked), kMinimumRealStack); }

ThreadId startThread(std::function<void()> procedure, std::size_t stackBytes) {
    Scheduler& s = scheduler();
    auto f = std::make_unique<Fiber>();
    f->request = stackRequest(stackBytes);
    f->procedure = std::move(procedure);
    Fiber* raw = f.get();
    FiberStack stack{bc::protected_fixedsize_stack(realStackSize(stackBytes)), raw};
    f->context =
        bc::fiber(std::allocator_arg, stack, [raw](bc::fiber&& from) { return fiberBody(raw, std::move(from)); });
    f->id = ++s.lastThread;
    f->ready = true;
    s.ready.push_back(f->id);
    s.fibers.emplace(f->id, std::move(f));
    return raw->id;
}

ThreadId currentThread() {
    Fiber* f = scheduler().running;
    return f ? f->id : 0;
}

bool isAlive(ThreadId id) { return living(id) != nullptr; }

std::size_t threadCount() {
    Scheduler& s = scheduler();
    return s.fibers.size() - (s.running && s.running->ended ? 1 : 0);
}

std::size_t requestedStack(ThreadId id) {
    Fiber* f = living(id);
    return f ? f->request : 0;
}

void suspend() {
    Scheduler& s = scheduler();
    Fiber* f = s.running;
    if (!f) throw std::logic_error("suspend outside a thread");
    if (s.inYieldHooks) throw std::logic_error("suspend inside a yield hook");
    runYieldHooks(f->id);
    detail::leavingStack(&f->sanitizerState, s.osStack);
    f->scheduler = std::move(f->scheduler).resume();
    detail::arrivedOnStack(f->sanitizerState, &s.osStack);
}

void wake(ThreadId id) {
    Fiber* f = living(id);
    if (!f || f->ready) return;
    f->ready = true;
    scheduler().ready.push_back(id);
}

void waitUntil(const std::function<bool()>& condition) {
    while (!condition()) suspend();
}

bool runReady() {
    Scheduler& s = scheduler();
    if (s.running) throw std::logic_error("runReady inside a thread");
    bool ran = false;
    while (!s.ready.empty()) {
        ThreadId id = s.ready.front();
        s.ready.pop_front();
        Fiber* f = living(id);
        if (!f) continue;
        f->ready = false;
        s.running = f;
        s.locals = &f->locals;
        detail::leavingStack(&s.sanitizerState, f->stack);
        f->context = std::move(f->context).resume();
        detail::arrivedOnStack(s.sanitizerState, nullptr);
        s.running = nullptr;
        s.locals = &s.outsideLocals;
        ran = true;
        if (f->ended) s.fibers.erase(id);
    }
    return ran;
}

HookId addYieldHook(std::function<void()> hook) { return addHook(scheduler().yieldHooks, std::move(hook)); }

HookId addThreadAttachHook(std::function<void()> hook) { return addHook(scheduler().attachHooks, std::move(hook)); }

HookId addThreadDetachHook(std::function<void()> hook) { return addHook(scheduler().detachHooks, std::move(hook)); }

void removeHook(HookId id) {
    Scheduler& s = scheduler();
    for (auto* list : {&s.yieldHooks, &s.attachHooks, &s.detachHooks})
        std::erase_if(*list, [id](const Hook& h) { return h.id == id; });
}

ExceptionHandler setExceptionHandler(ExceptionHandler handler) {
    return std::exchange(scheduler().onException, handler ? std::move(handler) : printToStderr);
}

namespace detail {
ThreadLocals& currentThreadLocals() { return *scheduler().locals; }
}  // namespace detail

}  // namespace vx::rt
