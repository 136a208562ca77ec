#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/data/tests/test_files.h"
#include "platform/data/view_cursor.h"

namespace vx::data::testing {
namespace {

class ViewCursorTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        t = thread();
        for (File f : {ITM, KND}) t->access(f).open();
        addKind(*t, 1, "корова");
        addKind(*t, 2, "овца");
    }

    // "NO kind-name" of the buffers as `each` sees each row.
    View::Visitor collect(std::vector<std::string>& out) {
        return [this, &out](const ViewRow&) {
            out.push_back(std::to_string(t->record<ItemRecord>(ITM).NO) + " " + t->record<KindRecord>(KND).NAME.str());
        };
    }

    std::vector<std::string> stepped(View& view, int firstRows, int step) {
        std::vector<std::string> seen;
        ViewCursor rows(view, firstRows);
        while (!rows.ended()) rows.next(step, collect(seen));
        return seen;
    }

    std::unique_ptr<Thread> t;
};

TEST_F(ViewCursorTest, ACursorGivesTheRowsOfOneReadWhateverItsSteps) {
    const char* titles[] = {"Бобр", "аист", "Волк", "", "Аист"};
    for (int no = 1; no <= 40; ++no) addItem(*t, no, no % 3 + 1, titles[no % 5], no % 2 + 1);
    store::commitPendingWrites();
    struct Case {
        const char* name;
        std::function<void(View&)> set;
    };
    const Case cases[] = {
        {"texts, then numbers descending", [](View& v) { ASSERT_FALSE(v.orderBy("+ITM:TITLE,-ITM:NO")); }},
        {"a key ranged to an owner", [](View& v) { v.orderByKey(1); v.setRange({[] { return Value(2); }}); }},
        {"a filter on a parent, parents reused",
         [](View& v) {
             ASSERT_FALSE(v.orderBy("+ITM:OWNER,-ITM:TITLE"));
             v.reuseParents(true);
             ASSERT_FALSE(v.setFilter("KND:NAME = 'овца' and ITM:NO <> 9"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        View view(t->access(ITM));
        view.join(t->access(KND), 0, {"KIND"});
        c.set(view);
        ASSERT_EQ(view.open(), Level::Benign);
        std::vector<std::string> whole;
        view.firstPage(1000, collect(whole));
        ASSERT_GT(whole.size(), 6u);
        EXPECT_EQ(stepped(view, 4, 3), whole);
        EXPECT_EQ(stepped(view, 1, 100), whole);
        EXPECT_EQ(stepped(view, 1000, 1), whole);
    }
    EXPECT_TRUE(captions().empty());
}

// Between steps no file is locked: another station writes, and the rest of the
// rows keeps the order taken at the second step.
TEST_F(ViewCursorTest, AnotherStationWritesBetweenSteps) {
    for (int no = 1; no <= 6; ++no) addItem(*t, no, 1, std::string(1, static_cast<char>('a' + no)).c_str(), 1);
    store::commitPendingWrites();
    View view(t->access(ITM));
    view.join(t->access(KND), 0, {"KIND"});
    ASSERT_FALSE(view.orderBy("-ITM:TITLE"));
    ASSERT_EQ(view.open(), Level::Benign);
    std::vector<std::string> seen;
    ViewCursor rows(view, 2);
    EXPECT_EQ(rows.next(1, collect(seen)), 2);
    EXPECT_EQ(rows.next(1, collect(seen)), 1);

    sqlite3* station = nullptr;
    ASSERT_EQ(sqlite3_open_v2(t->access(ITM).database()->path().c_str(), &station, SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(station,
                           "BEGIN IMMEDIATE; DELETE FROM records WHERE NO = 2; UPDATE records SET KIND = 2 WHERE NO = 1;"
                           "INSERT INTO records(NO, OWNER, KIND, TITLE) VALUES (7, 1, 1, 'c'); COMMIT",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(station);
    while (!rows.ended()) rows.next(1, collect(seen));
    EXPECT_EQ(seen, (std::vector<std::string>{"6 корова", "5 корова", "4 корова", "3 корова", "1 овца"}));
    EXPECT_TRUE(captions().empty());
}

}  // namespace
}  // namespace vx::data::testing
