// Read spans: one read transaction per file for a run of reads, which keeps
// neither the program's own writes, nor its transactions, nor another station's
// writer waiting longer than the span.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>

#include "platform/store/tests/store_fixture.h"

namespace vx::store::testing {
namespace {

class ReadSpans : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_TRUE(h.open(path("items.tps"), true)) << h.errorText();
        for (Long id = 1; id <= 20; ++id) add(h, r, id, "запись");
        commitPendingWrites();
    }

    // Whether another station could change the file now, without waiting for a lock.
    bool anotherStationWrites() const {
        sqlite3* db = nullptr;
        sqlite3_open_v2(h.database()->path().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        const bool wrote =
            sqlite3_exec(db, "BEGIN IMMEDIATE; UPDATE records SET KIND = 1 WHERE pos = 1; COMMIT", nullptr, nullptr,
                         nullptr) == SQLITE_OK;
        if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return wrote;
    }

    std::size_t rows() { return ids(h.database()->table(), {}).size(); }

    Item r;
    FileHandle h{itemDef(), &r};
};

TEST_F(ReadSpans, ASpanHoldsOneReadUntilItsEndOrUntilTheProgramWaits) {
    {
        const ReadSpan outer({h.sharedDatabase()});
        EXPECT_TRUE(anotherStationWrites());  // nothing read yet
        EXPECT_EQ(rows(), 20u);
        EXPECT_FALSE(anotherStationWrites());
        { const ReadSpan inner({h.sharedDatabase()}); }
        EXPECT_FALSE(anotherStationWrites());  // the outer span still reads
        endReadSpans();
        EXPECT_TRUE(anotherStationWrites());
        EXPECT_EQ(rows(), 20u);  // each read locks by itself again
        EXPECT_TRUE(anotherStationWrites());
    }
    {
        const ReadSpan again({h.sharedDatabase()});
        EXPECT_EQ(rows(), 20u);
        EXPECT_FALSE(anotherStationWrites());
    }
    EXPECT_TRUE(anotherStationWrites());
}

TEST_F(ReadSpans, WritesAndTransactionsInsideASpanGoOn) {
    {
        const ReadSpan span({h.sharedDatabase()});
        EXPECT_EQ(rows(), 20u);
        add(h, r, 21, "новая");
        EXPECT_EQ(rows(), 21u);
    }
    commitPendingWrites();
    EXPECT_TRUE(anotherStationWrites());

    const ReadSpan span({h.sharedDatabase()});
    EXPECT_EQ(rows(), 21u);
    Transaction work({h.sharedDatabase()});
    ASSERT_TRUE(work.begun()) << work.errorText();
    ASSERT_TRUE(work.table(*h.database()).remove(2));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(work.commit()) << work.errorText();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));  // not waiting for the span
    EXPECT_EQ(rows(), 20u);
}

}  // namespace
}  // namespace vx::store::testing
