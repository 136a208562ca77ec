#include "platform/runtime/threads.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/runtime/tests/hook_guard.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#endif

namespace vx::rt {
namespace {

using Log = std::vector<std::string>;

TEST(Threads, StartReturnsAtOnceAndRunsOnTheNextRun) {
    bool ran = false;
    ThreadId seenInside = 0;
    std::size_t before = threadCount();
    ThreadId a = startThread(
        [&] {
            ran = true;
            seenInside = currentThread();
        },
        0);
    ThreadId b = startThread([] {}, 0);

    EXPECT_FALSE(ran);
    EXPECT_EQ(b, a + 1);
    EXPECT_TRUE(isAlive(a));
    EXPECT_EQ(threadCount(), before + 2);
    EXPECT_EQ(currentThread(), 0u);

    EXPECT_TRUE(runReady());
    EXPECT_TRUE(ran);
    EXPECT_EQ(seenInside, a);
    EXPECT_FALSE(isAlive(a));
    EXPECT_EQ(threadCount(), before);
    EXPECT_FALSE(runReady());
}

TEST(Threads, TheFirstThreadOfTheProcessIsThreadOne) {
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process, where no thread was started yet
    EXPECT_EXIT(
        {
            ThreadId inside = 0;
            startThread([&] { inside = currentThread(); }, 0);
            runReady();
            std::exit(inside == 1 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    GTEST_FLAG_SET(death_test_style, style);
}

TEST(Threads, WaitingThreadsResumeInTheOrderTheyAreWoken) {
    Log log;
    auto worker = [&](std::string name) {
        return [&log, name] {
            log.push_back(name + " waits");
            suspend();
            log.push_back(name + " resumes");
        };
    };
    ThreadId a = startThread(worker("a"), 0);
    ThreadId b = startThread(worker("b"), 0);
    ThreadId c = startThread(worker("c"), 0);
    runReady();
    EXPECT_EQ(log, (Log{"a waits", "b waits", "c waits"}));
    EXPECT_TRUE(isAlive(a) && isAlive(b) && isAlive(c));

    wake(c);
    wake(a);
    wake(a);  // already ready: no second resume
    wake(b);
    runReady();
    EXPECT_EQ(log, (Log{"a waits", "b waits", "c waits", "c resumes", "a resumes", "b resumes"}));
    EXPECT_FALSE(isAlive(a) || isAlive(b) || isAlive(c));
}

// Like a message box: the calling thread waits inside the call until another thread answers.
struct Question {
    ThreadId asker = 0;
    std::optional<int> answer;
};

int askModally(Question& q) {
    q.asker = currentThread();
    waitUntil([&] { return q.answer.has_value(); });
    return *q.answer;
}

int windowProcedure(Question& q, Log& log) {
    log.push_back("window asks");
    int got = askModally(q);
    log.push_back("window got " + std::to_string(got));
    return got;
}

TEST(Threads, AModalCallBlocksOnlyItsOwnThreadUntilAnotherThreadAnswers) {
    Log log;
    Question q;
    std::size_t before = threadCount();
    ThreadId window = startThread([&] { windowProcedure(q, log); }, 50000);
    ThreadId answerer = startThread(
        [&] {
            suspend();
            log.push_back("answer 42");
            q.answer = 42;
            wake(q.asker);
        },
        25000);
    startThread([&] { log.push_back("another window works"); }, 25000);

    runReady();
    EXPECT_EQ(log, (Log{"window asks", "another window works"}));
    EXPECT_EQ(q.asker, window);

    wake(window);  // woken without an answer: keeps waiting
    runReady();
    EXPECT_TRUE(isAlive(window));
    EXPECT_EQ(log.size(), 2u);

    wake(answerer);
    runReady();
    EXPECT_EQ(log, (Log{"window asks", "another window works", "answer 42", "window got 42"}));
    EXPECT_EQ(threadCount(), before);
}

TEST(Threads, AThreadThatWakesItselfYieldsToTheOthersAndComesBackInTheSameRun) {
    Log log;
    auto stepper = [&](std::string name) {
        return [&log, name] {
            for (int i = 1; i <= 2; ++i) {
                log.push_back(name + std::to_string(i));
                wake(currentThread());
                suspend();
            }
        };
    };
    startThread(stepper("a"), 0);
    startThread(stepper("b"), 0);
    runReady();
    EXPECT_EQ(log, (Log{"a1", "b1", "a2", "b2"}));
}

TEST(Threads, StackRequestsAreRaisedToTheMinimumAndTheRealStackIsAtLeastOneMiB) {
    struct Case {
        std::size_t asked, kept, real;
    };
    const Case cases[] = {
        {0, 20000, 1 << 20},
        {19999, 20000, 1 << 20},
        {50000, 50000, 1 << 20},
        {4 << 20, 4 << 20, 4 << 20},
    };
    for (const Case& c : cases) {
        ThreadId id = startThread([] {}, c.asked);
        EXPECT_EQ(requestedStack(id), c.kept) << c.asked;
        EXPECT_EQ(realStackSize(c.asked), c.real) << c.asked;
    }
    runReady();
}

// One 4 KB frame per level; returns the number of levels.
[[gnu::noinline]] int deep(int depth) {
    volatile char frame[4096];
    frame[0] = static_cast<char>(depth);
    frame[sizeof frame - 1] = static_cast<char>(depth);
    int below = depth > 0 ? deep(depth - 1) : 0;
    return below + 1 + (frame[0] - frame[sizeof frame - 1]);
}

TEST(Threads, ARecursionUsingSeveralHundredKilobytesRunsOnTheSmallestRequest) {
    int levels = 0;
    startThread([&] { levels = deep(149); }, 20000);  // about 600 KB of frames
    runReady();
    EXPECT_EQ(levels, 150);
}

#if defined(__SANITIZE_ADDRESS__)
// Where the mapping holding `address` begins; for a thread's stack, just above its guard
// page (mappings above it may run on into it in /proc/self/maps, the guard page below not).
std::uintptr_t mappingStart(const void* address) {
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream maps("/proc/self/maps");
    std::uintptr_t first = 0, last = 0;
    char dash = 0;
    std::string rest;
    while (maps >> std::hex >> first >> dash >> last && std::getline(maps, rest))
        if (first <= at && at < last) return first;
    return 0;
}
#endif

// Memory mapped later where an ended thread's stack was (the sanitizer's own symbolizer
// does so at exit) must not look like a stack frame still in use.
TEST(Threads, AnEndedThreadLeavesNoMarkedFramesBehindOnItsStack) {
#if defined(__SANITIZE_ADDRESS__)
    void* bottom = nullptr;
    const ThreadId id = startThread(
        [&] {
            volatile char local = 0;
            bottom = reinterpret_cast<void*>(mappingStart(const_cast<const char*>(&local)));
            suspend();
        },
        0);
    runReady();
    ASSERT_NE(bottom, nullptr);
    const std::size_t size = realStackSize(0);
    ASSERT_NE(__asan_region_is_poisoned(bottom, size), nullptr) << "a waiting thread's frames are marked";
    wake(id);
    runReady();
    ASSERT_FALSE(isAlive(id));
    EXPECT_EQ(__asan_region_is_poisoned(bottom, size), nullptr);
#else
    GTEST_SKIP() << "only the address sanitizer marks frames";
#endif
}

TEST(Threads, AttachHooksRunInOrderDetachHooksInReverseAndYieldHooksOnEverySwitch) {
    Log log;
    test::HookGuard hooks;
    auto note = [&](std::string what) {
        return [&log, what] { log.push_back(what + "@" + std::to_string(currentThread())); };
    };
    hooks.attach(note("attach1"));
    hooks.attach(note("attach2"));
    hooks.detach(note("detach1"));
    hooks.detach(note("detach2"));
    hooks.yield(note("yield"));

    ThreadId id = startThread(
        [&] {
            log.push_back("run");
            suspend();
            log.push_back("end");
        },
        0);
    runReady();
    wake(id);
    runReady();
    const std::string at = "@" + std::to_string(id);
    EXPECT_EQ(log, (Log{"attach1" + at, "attach2" + at, "run", "yield" + at, "end", "detach2" + at, "detach1" + at,
                        "yield" + at}));
}

TEST(Threads, AnExceptionEndsOnlyItsThreadAndReachesTheHandler) {
    Log log;
    test::HookGuard hooks;
    hooks.onException([&](ThreadId id, std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            log.push_back(std::to_string(id) + ": " + x.what());
        }
    });
    hooks.detach([&] { log.push_back("detach " + std::to_string(currentThread())); });

    ThreadId failing = startThread([] { throw std::runtime_error("boom"); }, 0);
    ThreadId other = startThread(
        [&] {
            try {
                throw std::runtime_error("caught inside");
            } catch (const std::exception&) {
                log.push_back("other caught its own");
            }
            suspend();
            log.push_back("other goes on");
        },
        0);
    runReady();
    wake(other);
    runReady();
    const std::string f = std::to_string(failing), o = std::to_string(other);
    EXPECT_EQ(log, (Log{f + ": boom", "detach " + f, "other caught its own", "other goes on", "detach " + o}));
}

TEST(Threads, TheExceptionHandlerMaySuspendLikeAMessageBox) {
    bool answered = false, shown = false;
    test::HookGuard hooks;
    hooks.onException([&](ThreadId, std::exception_ptr) {
        shown = true;
        waitUntil([&] { return answered; });
    });
    ThreadId id = startThread([] { throw std::runtime_error("fatal"); }, 0);
    runReady();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(isAlive(id));
    answered = true;
    wake(id);
    runReady();
    EXPECT_FALSE(isAlive(id));
}

TEST(Threads, MisuseIsRefused) {
    EXPECT_THROW(suspend(), std::logic_error);
    EXPECT_THROW(waitUntil([] { return false; }), std::logic_error);
    wake(999999);  // unknown: ignored
    EXPECT_FALSE(isAlive(999999));
    EXPECT_EQ(requestedStack(999999), 0u);

    Log log;
    test::HookGuard hooks;
    hooks.onException([&](ThreadId, std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::logic_error& x) {
            log.push_back(x.what());
        }
    });
    bool inYieldHook = false;
    hooks.yield([&] {
        if (!inYieldHook) return;
        inYieldHook = false;
        suspend();
    });
    startThread(
        [&] {
            try {
                runReady();
            } catch (const std::logic_error& x) {
                log.push_back(x.what());
            }
            inYieldHook = true;
        },
        0);
    runReady();
    EXPECT_EQ(log, (Log{"runReady inside a thread", "suspend inside a yield hook"}));
}

}  // namespace
}  // namespace vx::rt
