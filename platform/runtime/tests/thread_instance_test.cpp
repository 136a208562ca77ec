#include "platform/runtime/thread_instance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime/tests/hook_guard.h"
#include "platform/runtime/thread_state.h"
#include "platform/runtime/threads.h"

namespace vx::rt {
namespace {

using Log = std::vector<std::string>;

TEST(ThreadInstance, EachThreadHasItsOwnValueAndCodeOutsideThreadsHasOneToo) {
    ThreadInstance<int> value;
    *value = 7;
    int seenA = -1, firstInA = -1;
    ThreadId a = startThread(
        [&] {
            firstInA = *value;
            *value = 1;
            suspend();
            seenA = *value;
        },
        0);
    startThread(
        [&] {
            *value = 2;
            wake(a);
        },
        0);
    runReady();
    EXPECT_EQ(firstInA, 0);  // value-initialised on first use
    EXPECT_EQ(seenA, 1);
    EXPECT_EQ(*value, 7);
}

TEST(ThreadInstance, ThreadStateStartsAtZeroOnEveryThread) {
    *GLOBALREQUEST = request::Change;
    Byte inA = 99, inB = 99;
    startThread(
        [&] {
            inA = *GLOBALREQUEST;
            *GLOBALREQUEST = request::Insert;
            *GLOBALRESPONSE = response::Completed;
            *VCRREQUEST = 5;
        },
        0);
    startThread([&] { inB = static_cast<Byte>(*GLOBALREQUEST + *GLOBALRESPONSE + *VCRREQUEST); }, 0);
    runReady();
    EXPECT_EQ(inA, 0);
    EXPECT_EQ(inB, 0);
    EXPECT_EQ(*GLOBALREQUEST, request::Change);
    *GLOBALREQUEST = request::None;
}

Log destroyed;

template <int N>
struct Tracked {
    std::string value = "fresh";
    ~Tracked() { destroyed.push_back(std::to_string(N) + ":" + value); }
};

ThreadInstance<Tracked<1>> first;
ThreadInstance<Tracked<2>> second;

// Reaches for an instance destroyed before it, as a manager's destructor may.
struct LateUser {
    ~LateUser() { destroyed.push_back("late sees " + first->value); }
};
ThreadInstance<LateUser> lateUser;

TEST(ThreadInstance, DestroyedWhenTheThreadEndsNewestFirstAfterTheDetachHooks) {
    destroyed.clear();
    test::HookGuard hooks;
    hooks.detach([] { destroyed.push_back("detach sees " + second->value); });
    startThread(
        [] {
            lateUser.get();
            second->value = "two";
            first->value = "one";
        },
        0);
    runReady();
    // first was made last, so it goes first; the late user's fresh copy goes too.
    EXPECT_EQ(destroyed, (Log{"detach sees two", "1:one", "2:two", "late sees fresh", "1:fresh"}));
}

}  // namespace
}  // namespace vx::rt
