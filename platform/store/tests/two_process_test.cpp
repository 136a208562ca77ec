// Two processes (two stations) on one folder: each sees the other's writes, nothing
// is corrupted, and a record changed by the other station is detected.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/store/tests/store_fixture.h"

namespace vx::store::testing {
namespace {

constexpr int kEach = 500;

// Both stations append kEach records named after themselves, committing every ten
// writes as the scheduler would between events.
bool appendAs(FileHandle& h, Item& r, const std::string& name, Long firstId) {
    for (Long i = 0; i < kEach; ++i) {
        clearRecord(itemDef(), &r);
        r.ID = firstId + i;
        r.NAME = name;
        if (!h.add()) return false;
        if (i % 10 == 9) commitPendingWrites();
    }
    commitPendingWrites();
    return true;
}

int countNamed(Table& t, const std::string& name) {
    int n = 0;
    t.scan({}, [&](Position, const void* rec) {
        n += static_cast<const Item*>(rec)->NAME == name ? 1 : 0;
        return true;
    });
    return n;
}

// A line of messages between the two processes.
struct Line {
    int in, out;
    bool say(char c) const { return write(out, &c, 1) == 1; }
    char hear() const {
        char c = 0;
        return read(in, &c, 1) == 1 ? c : 0;
    }
};

int childStation(const std::string& file, Line line) {
    Item r;
    FileHandle h(itemDef(), &r);
    if (!h.open(file, false)) return 10;
    if (!appendAs(h, r, "child", 10000)) return 11;
    if (!line.say('a') || line.hear() != 'a') return 12;
    if (h.records() != 2 * kEach + 1 || countNamed(h.database()->table(), "parent") != kEach) return 13;
    if (line.hear() != 'r') return 14;  // the parent has read record 1 into a form
    if (!h.get(Position(1))) return 15;
    r.NAME = "changed by child";
    if (!h.put()) return 16;
    commitPendingWrites();
    return line.say('w') ? 0 : 17;
}

TEST_F(StoreTest, TwoProcessesSeeEachOthersWritesAndChanges) {
    const std::string file = path("shared.tps");
    {
        Item r;
        FileHandle h(itemDef(), &r);
        ASSERT_TRUE(h.open(file, true));
        add(h, r, 1, "first");
    }
    commitPendingWrites();
    int toChild[2], toParent[2];
    ASSERT_EQ(pipe(toChild), 0);
    ASSERT_EQ(pipe(toParent), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(childStation(file, Line{toChild[0], toParent[1]}));
    const Line line{toParent[0], toChild[1]};

    Item r;
    FileHandle h(itemDef(), &r);
    ASSERT_TRUE(h.open(file, false));
    EXPECT_TRUE(appendAs(h, r, "parent", 20000)) << h.errorText();
    EXPECT_EQ(line.hear(), 'a');
    EXPECT_TRUE(line.say('a'));
    EXPECT_EQ(h.records(), 2 * kEach + 1);
    EXPECT_EQ(countNamed(h.database()->table(), "child"), kEach);

    Item snapshot;
    ASSERT_TRUE(h.get(Position(1)));
    snapshot = r;
    EXPECT_TRUE(h.database()->table().unchanged(1, &snapshot));
    EXPECT_TRUE(line.say('r'));
    EXPECT_EQ(line.hear(), 'w');
    EXPECT_FALSE(h.database()->table().unchanged(1, &snapshot));

    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    h.close();
    EXPECT_EQ(integrity(file), "ok");
}

}  // namespace
}  // namespace vx::store::testing
