// SET, NEXT, PREVIOUS, EOF, GET, ADD, PUT, DELETE and RECORDS on a file handle.

#include <gtest/gtest.h>

#include <map>

#include "platform/store/tests/store_fixture.h"

namespace vx::store::testing {
namespace {

class DirectStatements : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_TRUE(h.open(path("items.tps"), true)) << h.errorText();
    }
    // The loop form of the application: start, then until EOF read and work.
    std::vector<Long> loop(int key = -1) {
        if (key < 0) h.set();
        else h.set(key);
        std::vector<Long> seen;
        while (!h.eof()) {
            if (!h.next()) break;
            seen.push_back(r.ID);
        }
        return seen;
    }
    Item r;
    FileHandle h{itemDef(), &r};
};

TEST_F(DirectStatements, EmptyFileIsAtEofRightAfterSet) {
    EXPECT_EQ(h.records(), 0);
    h.set();
    EXPECT_TRUE(h.eof());
    EXPECT_FALSE(h.next());
    EXPECT_EQ(h.error(), Error::RecordNotAvailable);
    h.set(ByName);
    EXPECT_TRUE(h.eof());
    EXPECT_FALSE(h.previous());
    EXPECT_FALSE(h.put());  // nothing has been read
    EXPECT_EQ(h.error(), Error::RecordNotAvailable);
}

TEST_F(DirectStatements, SetNextPreviousAndEof) {
    add(h, r, 1, "Вяз");
    add(h, r, 2, "Акация");
    add(h, r, 3, "Бук");
    EXPECT_EQ(loop(), (std::vector<Long>{1, 2, 3}));
    EXPECT_EQ(loop(ByName), (std::vector<Long>{2, 3, 1}));

    h.set();
    ASSERT_TRUE(h.previous());  // after SET, PREVIOUS reads from the end
    EXPECT_EQ(r.ID, 3);
    h.set();
    ASSERT_TRUE(h.next());
    ASSERT_TRUE(h.next());
    EXPECT_FALSE(h.eof());
    ASSERT_TRUE(h.previous());  // the record before the one last read
    EXPECT_EQ(r.ID, 1);
    EXPECT_TRUE(h.eof());  // reading backward, the first record was the last to come
    EXPECT_FALSE(h.previous());
    ASSERT_TRUE(h.next());
    EXPECT_EQ(r.ID, 2);

    clearRecord(itemDef(), &r);
    r.NAME = "б";
    h.setAtBuffer(ByName);
    ASSERT_TRUE(h.next());
    EXPECT_EQ(r.ID, 3);
    r.NAME = "б";
    h.setAtBuffer(ByName);
    ASSERT_TRUE(h.previous());  // the last entry at or before the buffer's value
    EXPECT_EQ(r.ID, 2);
}

TEST_F(DirectStatements, GetByKeyAndByPosition) {
    add(h, r, 1, "Вяз", 1, 10);
    const Position oak = add(h, r, 2, "Дуб", 2, 20);

    clearRecord(itemDef(), &r);
    r.ID = 2;
    ASSERT_TRUE(h.get(ById));
    EXPECT_EQ(r.NAME.str(), "Дуб");
    EXPECT_EQ(h.position(), oak);

    // A failed GET leaves the buffer as it was.
    clearRecord(itemDef(), &r);
    r.ID = 9;
    r.NAME = "Клён";
    EXPECT_FALSE(h.get(ById));
    EXPECT_EQ(h.error(), Error::RecordNotAvailable);
    EXPECT_EQ(r.NAME.str(), "Клён");
    EXPECT_FALSE(h.get(Position(999)));
    EXPECT_EQ(r.NAME.str(), "Клён");

    ASSERT_TRUE(h.get(oak));
    EXPECT_EQ(r.ID, 2);
    r.PRIM = "старый";
    ASSERT_TRUE(h.put());
    ASSERT_TRUE(h.erase());
    EXPECT_EQ(h.records(), 1);
    EXPECT_FALSE(h.get(oak));
}

TEST_F(DirectStatements, ScanSurvivesWritesToItsCurrentRecord) {
    // Several read-ahead chunks; every third record deleted, every third rewritten,
    // and every hundredth gets a new record appended behind the scan.
    const Long n = 1000;
    for (Long id = 1; id <= n; ++id) add(h, r, id, "имя", 1, static_cast<int>(id));
    std::map<Long, int> seen;
    h.set();
    while (!h.eof()) {
        ASSERT_TRUE(h.next());
        ++seen[r.ID];
        if (r.ID > n) continue;
        if (r.ID % 3 == 0) {
            ASSERT_TRUE(h.erase());
        } else if (r.ID % 3 == 1) {
            r.SUM = 0;
            ASSERT_TRUE(h.put());
        }
        if (r.ID % 100 == 0) add(h, r, r.ID + n, "новый");
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(n + n / 100));
    for (const auto& [id, times] : seen) EXPECT_EQ(times, 1) << "record " << id;

    EXPECT_EQ(h.records(), n - n / 3 + n / 100);
    std::vector<Long> rewritten;
    Table& t = h.database()->table();
    t.scan({}, [&](Position, const void* rec) {
        const Item& i = *static_cast<const Item*>(rec);
        if (i.ID <= n && i.ID % 3 == 1 && !i.SUM.isZero()) rewritten.push_back(i.ID);
        return true;
    });
    EXPECT_TRUE(rewritten.empty());

    // A key-order scan through long runs of ties, deleting as it goes.
    const int64_t left = h.records();
    std::map<Long, int> keyed;
    h.set(ByKindSum);
    while (h.next()) {
        ++keyed[r.ID];
        ASSERT_TRUE(h.erase());
    }
    EXPECT_EQ(static_cast<int64_t>(keyed.size()), left);
    EXPECT_EQ(h.records(), 0);
    for (const auto& [id, times] : keyed) EXPECT_EQ(times, 1) << "record " << id;
}

TEST_F(DirectStatements, ChangesFromOtherHandlesAreSeenByARunningScan) {
    Item other;
    FileHandle writer(itemDef(), &other);
    ASSERT_TRUE(writer.open(path("items.tps"), true));
    for (Long id = 1; id <= 3; ++id) add(h, r, id, "имя");

    h.set();
    ASSERT_TRUE(h.next());
    add(writer, other, 4, "чужой");  // appended by another thread's handle
    ASSERT_TRUE(writer.get(Position(2)));
    ASSERT_TRUE(writer.erase());  // and the next record removed
    EXPECT_EQ(h.records(), 3);
    std::vector<Long> rest;
    while (h.next()) rest.push_back(r.ID);
    EXPECT_EQ(rest, (std::vector<Long>{3, 4}));
}

}  // namespace
}  // namespace vx::store::testing
