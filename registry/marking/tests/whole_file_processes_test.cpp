// Whole-file operations on 100,000 passports in processes of their own. Marking, the
// age synchronisation and the plan for marked killed at 10 %, 50 % and 90 % of their
// run: every file is wholly before or wholly after the operation and passes
// integrity_check, and a run to the end afterwards gives the result of one run. Two
// stations flipping the same marks at once: the result is as if one ran after the other.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "planning/schemes/plan_for_marked.h"
#include "platform/core/dates.h"
#include "platform/store/record_file.h"
#include "registry/marking/age_synchronisation.h"
#include "registry/marking/marking_scans.h"
#include "registry/marking/passport_marking.h"
#include "registry/marking/tests/marking_fixture.h"
#include "tests/other_station.h"

namespace vx::registry::marking::testing {
namespace {

using namespace dct;
using Clock = std::chrono::steady_clock;

constexpr int64_t kPassports = 100000;

using vx::testing::countOnOtherStation;
using vx::testing::integrityOf;
using vx::testing::onOtherStation;

// An operation, the count that tells its state, and how one run moves that count.
struct Operation {
    const char* name;
    void (*run)();
    std::string (*file)();  // the file whose count tells the state
    const char* count;      // SQL of that count
    int64_t (*after)(int64_t before);
};

const planning::Scheme kScheme{Decimal(20), Decimal(1), "Вакцинация", {Decimal(30), Decimal(1), Decimal(1), 0},
                                        {Decimal(45), Decimal(1), Decimal(2), 0}};

const Operation kOperations[] = {
    {"flip of the farm's marks", [] { runMarking(4, MarkingPath::List); }, [] { return glo::PUT5.str(); },
     "SELECT count(*) FROM records WHERE CHEK = 1", [](int64_t marked) { return kPassports - marked; }},
    {"age synchronisation", [] { synchroniseAges([] {}); }, [] { return glo::PUT5.str(); },
     "SELECT count(*) FROM records WHERE VOZRASTG = 9", [](int64_t) { return int64_t{0}; }},
    {"plan for marked", [] { planning::schemes::planForMarked(planning::MeasureKind::Preventive, kScheme); },
     [] { return glo::PUT6.str(); }, "SELECT count(*) FROM records", [](int64_t n) { return n + kPassports; }},
};

class WholeFileProcessesTest : public MarkingTest {
protected:
    void SetUp() override {
        MarkingTest::SetUp();
        fixToday(makeDate(6, 10, 2025));
        run([] {
            for (int64_t i = 1; i <= kPassports; ++i) {
                PAS->ID = i;
                PAS->IDHOZ = 1;
                PAS->IDFERMA = 1;
                PAS->IDANIM = std::to_string(i);
                PAS->VIDANIM = 1;
                PAS->OSNMOL = 2;
                PAS->DATAROG = makeDate(3, 15, 2020);
                PAS->VOZRASTG = 9;
                PAS->CHEK = 1;
                Add(PASPORT);
            }
            VPO->ID = 1;
            Add(VPO);
            store::commitPendingWrites();
        });
        glo::IDHOZ = 1;
        glo::IDFERM = 1;
    }

    // Starts `body` in a child that waits for a byte on `go`; the child's status is 0 when it answered true.
    pid_t startChild(int go, bool (*body)()) {
        const pid_t child = fork();
        if (child == 0) {
            char c = 0;
            if (read(go, &c, 1) != 1) _exit(2);
            bool done = false;
            run([&] { done = body(); });
            store::commitPendingWrites();
            _exit(done ? 0 : 1);
        }
        return child;
    }

    // Runs the operation in a child; kills it `fraction` of `duration` after it began
    // (a negative fraction lets it end). Gives back how long it ran.
    Clock::duration runChild(const Operation& op, double fraction, Clock::duration duration) {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(ready[0]);
            if (write(ready[1], "g", 1) != 1) _exit(2);
            run(op.run);
            store::commitPendingWrites();
            _exit(write(ready[1], "d", 1) == 1 ? 0 : 2);
        }
        close(ready[1]);
        char c = 0;
        EXPECT_EQ(read(ready[0], &c, 1), 1);
        const Clock::time_point start = Clock::now();
        if (fraction >= 0) {
            std::this_thread::sleep_for(std::chrono::duration_cast<Clock::duration>(duration * fraction));
            kill(child, SIGKILL);
        } else {
            EXPECT_EQ(read(ready[0], &c, 1), 1);
        }
        const Clock::duration ran = Clock::now() - start;
        close(ready[0]);
        waitpid(child, nullptr, 0);
        return ran;
    }
};

TEST_F(WholeFileProcessesTest, KilledAtTenFiftyAndNinetyPercentEveryFileIsWhollyBeforeOrAfter) {
    for (const Operation& op : kOperations) {
        SCOPED_TRACE(op.name);
        onOtherStation(glo::PUT5.str(), "UPDATE records SET CHEK = 1, VOZRASTG = 9");
        int64_t state = countOnOtherStation(op.file(), op.count);
        // A run to the end first, to know how long one takes.
        const Clock::duration duration = runChild(op, -1, {});
        ASSERT_EQ(countOnOtherStation(op.file(), op.count), op.after(state));
        state = op.after(state);
        if (op.after(state) == state) {  // a second run would change nothing: start again from before
            onOtherStation(glo::PUT5.str(), "UPDATE records SET VOZRASTG = 9");
            state = countOnOtherStation(op.file(), op.count);
        }
        for (double fraction : {0.1, 0.5, 0.9}) {
            SCOPED_TRACE("killed at " + std::to_string(static_cast<int>(fraction * 100)) + " %");
            runChild(op, fraction, duration);
            const int64_t now = countOnOtherStation(op.file(), op.count);
            EXPECT_TRUE(now == state || now == op.after(state)) << now << " is neither " << state << " nor "
                                                                << op.after(state);
            for (const std::string& path : {glo::PUT5.str(), glo::PUT6.str()})
                EXPECT_EQ(integrityOf(path), "ok") << path;
            state = now;
        }
        runChild(op, -1, {});
        EXPECT_EQ(countOnOtherStation(op.file(), op.count), op.after(state));
    }
}

TEST_F(WholeFileProcessesTest, TwoStationsFlippingTheSameMarksAtOnceLoseNoFlip) {
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    const auto flip = [] {
        bool anyRead = false;
        return markGroup(4, anyRead);
    };
    const pid_t stations[] = {startChild(go[0], flip), startChild(go[0], flip)};
    ASSERT_EQ(write(go[1], "gg", 2), 2);
    int stored = 0;
    for (pid_t station : stations) {
        int status = -1;
        waitpid(station, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) <= 1) << status;
        stored += WEXITSTATUS(status) == 0 ? 1 : 0;
    }
    close(go[0]);
    close(go[1]);
    // A station that found the database busy for too long changed nothing and said so.
    ASSERT_GE(stored, 1);
    EXPECT_EQ(countOnOtherStation(glo::PUT5.str(), "SELECT count(*) FROM records WHERE CHEK = 1"), stored == 2 ? kPassports : 0);
    EXPECT_EQ(integrityOf(glo::PUT5.str()), "ok");
}

}  // namespace
}  // namespace vx::registry::marking::testing
