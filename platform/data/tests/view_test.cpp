#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/data/tests/test_files.h"
#include "platform/data/view.h"
#include "platform/runtime/threads.h"

namespace vx::data::testing {
namespace {

class ViewTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        t = thread();
        for (File f : {OWN, ITM, KND}) t->access(f).open();
        addKind(*t, 1, "корова");
        addKind(*t, 2, "овца");
    }

    // NO of the rows, as read.
    static std::vector<long> numbers(const std::vector<ViewRow>& rows) {
        std::vector<long> out;
        for (const ViewRow& r : rows) out.push_back(r.orderValues.empty() ? -1 : r.orderValues[0].toNumber().toInt64());
        return out;
    }

    // NO of the item in the buffer for each row as `each` sees it.
    View::Visitor collectNo(std::vector<long>& out) {
        return [this, &out](const ViewRow&) { out.push_back(t->record<ItemRecord>(ITM).NO); };
    }

    std::unique_ptr<Thread> t;
};

TEST_F(ViewTest, KeyOrderIgnoresCaseAndLeavesBlankEntriesOut) {
    addItem(*t, 1, 1, "в");
    addItem(*t, 2, 1, "А");
    addItem(*t, 3, 1, "");
    addItem(*t, 4, 1, "б");
    View view(t->access(ITM));
    ASSERT_EQ(view.open(), Level::Benign);
    std::vector<long> seen;
    view.orderByKey(2);
    view.firstPage(10, collectNo(seen));
    EXPECT_EQ(seen, (std::vector<long>{2, 4, 1}));

    seen.clear();
    view.orderByRecord();
    view.firstPage(10, collectNo(seen));
    EXPECT_EQ(seen, (std::vector<long>{1, 2, 3, 4}));

    seen.clear();  // an appended order keeps the key's rule on blank entries
    view.orderByKey(2);
    ASSERT_FALSE(view.appendOrder("-ITM:NO"));
    view.firstPage(10, collectNo(seen));
    EXPECT_EQ(seen, (std::vector<long>{2, 4, 1}));
}

TEST_F(ViewTest, OrderTextsAndAppendedTerms) {
    for (int no = 1; no <= 4; ++no) addItem(*t, no, no % 2 + 1, "x");
    View view(t->access(ITM));
    ASSERT_EQ(view.open(), Level::Benign);
    std::vector<long> seen;
    ASSERT_FALSE(view.orderBy("-itm:no"));
    view.firstPage(10, collectNo(seen));
    EXPECT_EQ(seen, (std::vector<long>{4, 3, 2, 1}));

    seen.clear();
    view.orderByKey(1);  // owner, then number descending
    ASSERT_FALSE(view.appendOrder("-ITM:NO"));
    view.firstPage(10, collectNo(seen));
    EXPECT_EQ(seen, (std::vector<long>{4, 2, 3, 1}));

    EXPECT_TRUE(view.orderBy("+KND:NAME"));
    EXPECT_TRUE(view.orderBy("+ITM:NOPE"));
    EXPECT_TRUE(view.orderBy("+ITM:NO,,"));
}

TEST_F(ViewTest, RangeFollowsTheParentsCurrentRecord) {
    addOwner(*t, 1, "Первый");
    addOwner(*t, 2, "Второй");
    for (int no = 1; no <= 5; ++no) addItem(*t, no, no <= 3 ? 1 : 2, "x");
    View view(t->access(ITM));
    ASSERT_EQ(view.open(), Level::Benign);
    view.orderByKey(1);
    view.setRangeToParent(t->access(OWN), {"ID"});
    std::vector<long> seen;
    t->record<OwnerRecord>(OWN).ID = 1;
    view.firstPage(10, collectNo(seen));
    EXPECT_EQ(seen, (std::vector<long>{1, 2, 3}));

    t->record<OwnerRecord>(OWN).ID = 2;
    ASSERT_EQ(view.rangeValues().size(), 1u);
    EXPECT_EQ(view.rangeValues()[0].toNumber(), Decimal(2));
    seen.clear();
    view.firstPage(10, collectNo(seen));
    EXPECT_EQ(seen, (std::vector<long>{4, 5}));
}

TEST_F(ViewTest, JoinsLoadParentsPerRowAndFiltersSeeThem) {
    addItem(*t, 1, 1, "x", 1);
    addItem(*t, 2, 1, "x", 3);  // no such kind
    addItem(*t, 3, 1, "x", 2);
    addItem(*t, 4, 1, "x", 1);
    View view(t->access(ITM));
    view.join(t->access(KND), 0, {"KIND"});
    ASSERT_EQ(view.open(), Level::Benign);
    view.orderByKey(0);
    std::vector<std::string> kinds;
    view.firstPage(10, [&](const ViewRow&) { kinds.push_back(t->record<KindRecord>(KND).NAME.str()); });
    EXPECT_EQ(kinds, (std::vector<std::string>{"корова", "", "овца", "корова"}));

    std::vector<long> seen;
    ASSERT_FALSE(view.setFilter("KND:NAME = 'корова'"));
    view.firstPage(10, collectNo(seen));
    EXPECT_EQ(seen, (std::vector<long>{1, 4}));

    expr::Bindings outer;  // a window's own names under the file fields
    int least = 2;
    outer.bind("least", [&] { return Value(least); });
    seen.clear();
    ASSERT_FALSE(view.setFilter("itm:no >= least and knd:kind <> 2", &outer));
    view.firstPage(10, collectNo(seen));
    EXPECT_EQ(seen, (std::vector<long>{2, 4}));

    EXPECT_TRUE(view.setFilter("nobody = 1"));
    seen.clear();  // a filter that does not compile leaves the view unfiltered
    view.firstPage(10, collectNo(seen));
    EXPECT_EQ(seen.size(), 4u);
}

TEST_F(ViewTest, PagesBothWaysLocatesAndReloadsRows) {
    for (int no = 1; no <= 100; ++no) addItem(*t, no, 1, "x");
    View view(t->access(ITM));
    ASSERT_EQ(view.open(), Level::Benign);
    view.orderByKey(0);
    ASSERT_FALSE(view.setFilter("ITM:NO <> 5"));

    const auto first = view.firstPage(3);
    EXPECT_EQ(numbers(first), (std::vector<long>{1, 2, 3}));
    const auto next = view.read(&first.back(), 3, false);
    EXPECT_EQ(numbers(next), (std::vector<long>{4, 6, 7}));
    EXPECT_EQ(numbers(view.read(&next.front(), 3, true)), (std::vector<long>{3, 2, 1}));
    EXPECT_EQ(numbers(view.lastPage(3)), (std::vector<long>{100, 99, 98}));
    EXPECT_EQ(numbers(view.locate(Value(5), 2)), (std::vector<long>{6, 7}));
    EXPECT_TRUE(view.read(&view.lastPage(1).front(), 3, false).empty());

    ASSERT_EQ(view.load(next[1]), Level::Benign);
    EXPECT_EQ(t->record<ItemRecord>(ITM).NO, 6);
    EXPECT_EQ(t->access(ITM).current(), next[1].pos);

    ASSERT_FALSE(view.setFilter("ITM:NO > 90"));  // most rows fail: reading goes on past them
    EXPECT_EQ(numbers(view.firstPage(3)), (std::vector<long>{91, 92, 93}));
}

// A fill reads each file in one read transaction, but one whose thread waits (a
// message shown while a row is read) keeps no other station's writer waiting.
TEST_F(ViewTest, AFillWhoseThreadWaitsHoldsNoFileLocked) {
    for (int no = 1; no <= 3; ++no) addItem(*t, no, 1, "x", 1);
    store::commitPendingWrites();
    View view(t->access(ITM));
    view.join(t->access(KND), 0, {"KIND"});
    ASSERT_EQ(view.open(), Level::Benign);
    bool tried = false;
    int written = -1;
    std::vector<long> seen;
    const rt::ThreadId filling = rt::startThread(
        [&] {
            view.firstPage(10, [&](const ViewRow&) {
                seen.push_back(t->record<ItemRecord>(ITM).NO);
                rt::waitUntil([&] { return tried; });
            });
        },
        0);
    rt::startThread(
        [&] {
            sqlite3* station = nullptr;
            sqlite3_open_v2(t->access(ITM).database()->path().c_str(), &station, SQLITE_OPEN_READWRITE, nullptr);
            written = sqlite3_exec(station, "BEGIN IMMEDIATE; DELETE FROM records WHERE NO = 3; COMMIT", nullptr,
                                   nullptr, nullptr);
            sqlite3_close(station);
            tried = true;
            rt::wake(filling);
        },
        0);
    while (rt::runReady()) {
    }
    EXPECT_EQ(written, SQLITE_OK);
    EXPECT_EQ(seen, (std::vector<long>{1, 2, 3}));  // the page as read before the change
}

}  // namespace
}  // namespace vx::data::testing
