// A cascading change of a holding's number, killed at any moment, leaves every
// file it touches wholly before or wholly after it.
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/layouts.h"
#include "dictionary/tests/database_fixture.h"
#include "platform/store/record_file.h"

namespace vx::dct::testing {
namespace {

constexpr int kPassports = 4000;

class KilledCascadeTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        useAll();
        HOZ->IDHOZ = 1;
        HOZ->NAME = "Хозяйство";
        ASSERT_TRUE(Add(HOZ));
        FER->IDHOZ = 1;
        FER->IDFERM = 1;
        ASSERT_TRUE(Add(FERMA));
        for (int i = 1; i <= kPassports; ++i) {
            PAS->ID = i;
            PAS->IDHOZ = 1;
            PAS->IDFERMA = 1;
            ASSERT_TRUE(Add(PASPORT));
            for (int m = 1; m <= 2; ++m) {
                VPO->ID = i;
                VPO->IDHOZ = 1;
                VPO->IDFERMA = 1;
                VPO->IDTASK = m;
                ASSERT_TRUE(Add(VPO));
            }
        }
        store::commitPendingWrites();
    }

    void useAll() {
        openAll();
        for (std::size_t i = 0; i < kFileCount; ++i)
            ASSERT_EQ(dictionary().managers().access(i).useFile(), data::Level::Benign);
    }

    // Records of a per-database file whose holding is `hoz`, read straight from disk.
    static int64_t countWithHolding(const std::string& path, int hoz) {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT count(*) FROM records WHERE IDHOZ = ?", -1, &st, nullptr);
        sqlite3_bind_int(st, 1, hoz);
        const int64_t n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
        sqlite3_finalize(st);
        sqlite3_close(db);
        return n;
    }

    static std::string integrity(const std::string& path) {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr);
        std::string result =
            sqlite3_step(st) == SQLITE_ROW ? reinterpret_cast<const char*>(sqlite3_column_text(st, 0)) : "?";
        sqlite3_finalize(st);
        sqlite3_close(db);
        return result;
    }
};

TEST_F(KilledCascadeTest, EveryTouchedFileIsWhollyBeforeOrAfter) {
    const std::vector<std::pair<std::string, int64_t>> files = {{glo::PUT1.str(), 1},
                                                                {glo::PUT2.str(), 1},
                                                                {glo::PUT5.str(), kPassports},
                                                                {glo::PUT6.str(), 2 * kPassports}};
    int holding = 1;
    int killedBefore = 0;
    int killedAfter = 0;
    // The last round (-1) kills only once the child says the change is committed.
    for (int delayMs : {0, 20, 50, 90, 140, 200, 400, -1}) {
        SCOPED_TRACE("killed " + std::to_string(delayMs) + " ms into the change");
        resetThread();
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            useAll();
            HOZ->IDHOZ = holding;
            Fetch(HOZ_K1);
            HOZ->IDHOZ = 3 - holding;
            const char go = 'g';
            if (write(ready[1], &go, 1) != 1) _exit(2);
            Relate::HOZ->update();
            store::commitPendingWrites();
            const char done = 'd';
            if (write(ready[1], &done, 1) != 1) _exit(2);
            pause();  // the parent ends it
            _exit(0);
        }
        close(ready[1]);
        char go = 0;
        ASSERT_EQ(read(ready[0], &go, 1), 1);
        if (delayMs < 0) ASSERT_EQ(read(ready[0], &go, 1), 1);
        else std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        close(ready[0]);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        const bool after = countWithHolding(files[0].first, 3 - holding) == 1;
        for (const auto& [path, records] : files) {
            EXPECT_EQ(integrity(path), "ok") << path;
            EXPECT_EQ(countWithHolding(path, after ? 3 - holding : holding), records) << path;
        }
        if (after) {
            holding = 3 - holding;
            ++killedAfter;
        } else {
            ++killedBefore;
        }
    }
    EXPECT_GT(killedBefore, 0);
    EXPECT_GT(killedAfter, 0);
}

}  // namespace
}  // namespace vx::dct::testing
