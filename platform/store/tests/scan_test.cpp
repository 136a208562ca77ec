// Table::scan as views use it: orders, fixed leading values, paging both ways from
// any row; and every key-ordered read is an index search.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <functional>

#include "platform/core/text.h"
#include "platform/store/scan_query.h"
#include "platform/store/tests/store_fixture.h"

namespace vx::store::testing {
namespace {

class Scans : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_TRUE(h.open(path("items.tps"), true)) << h.errorText();
        const char* names[] = {"Ёж", "аист", "ёж", "Аист", "Бобр", "", "Волк"};
        for (Long id = 1; id <= 700; ++id) add(h, r, id, names[id % 7], id % 3, id % 5);
    }

    std::vector<int> orderFields(const ScanSpec& spec) const {
        std::vector<int> fields;
        if (spec.keyIndex >= 0) fields = itemDef().keys[spec.keyIndex].fields;
        for (const OrderTerm& t : spec.terms) fields.push_back(t.field);
        return fields;
    }

    // Reads the ScanSpec in pages of `size`, each page going on after the last row of the one before.
    std::vector<Long> paged(ScanSpec spec, int size) {
        std::vector<Long> out;
        spec.limit = size;
        for (;;) {
            std::vector<Value> last;
            Position lastPos = 0;
            const auto got = table().scan(spec, [&](Position pos, const void* rec) {
                out.push_back(static_cast<const Item*>(rec)->ID);
                last.clear();
                for (int f : orderFields(spec)) last.push_back(getField(itemDef().fields[f], rec));
                lastPos = pos;
                return true;
            });
            if (static_cast<int>(got.size()) < size) return out;
            spec.afterValues = last;
            spec.afterPosition = lastPos;
        }
    }

    Table& table() { return h.database()->table(); }
    Item r;
    FileHandle h{itemDef(), &r};
};

std::vector<Long> asIds(const std::vector<Position>& positions) { return {positions.begin(), positions.end()}; }

ScanSpec keySpec(int key, std::vector<Value> equal = {}) {
    ScanSpec s;
    s.keyIndex = key;
    s.equal = std::move(equal);
    return s;
}

ScanSpec termSpec(std::vector<OrderTerm> terms, std::vector<Value> equal = {}) {
    ScanSpec s;
    s.terms = std::move(terms);
    s.equal = std::move(equal);
    return s;
}

TEST_F(Scans, TermOrdersMixDirectionsAndTiesFollowRecordOrder) {
    std::vector<Item> all(701);
    std::vector<Long> expected;
    table().scan({}, [&](Position, const void* rec) {
        const Item& i = *static_cast<const Item*>(rec);
        all[i.ID] = i;
        expected.push_back(i.ID);
        return true;
    });
    std::stable_sort(expected.begin(), expected.end(), [&](Long a, Long b) {
        if (all[a].SUM.value() != all[b].SUM.value()) return all[a].SUM.value() > all[b].SUM.value();
        return compareTextNoCase(all[a].NAME.str(), all[b].NAME.str()) < 0;
    });
    EXPECT_EQ(ids(table(), termSpec({{F_SUM, true}, {F_NAME, false}})), expected);

    // A key with a term after it: the key's blank entries stay out.
    std::erase_if(expected, [&](Long id) { return all[id].NAME.blank(); });
    std::stable_sort(expected.begin(), expected.end(), [&](Long a, Long b) {
        if (int c = compareTextNoCase(all[a].NAME.str(), all[b].NAME.str())) return c < 0;
        return all[a].SUM.value() > all[b].SUM.value();
    });
    ScanSpec keyThenSum = keySpec(ByName);
    keyThenSum.terms = {{F_SUM, true}};
    EXPECT_EQ(ids(table(), keyThenSum), expected);
    // The memo has no key column: it is ordered through the collation.
    EXPECT_EQ(ids(table(), termSpec({{F_PRIM, false}})).size(), 700u);
}

// Positions equal ids here.
TEST_F(Scans, PagesBothWaysFromAnyRowAndAllPositionsAtOnceMatchOneScan) {
    const std::vector<ScanSpec> specs = {
        keySpec(ByName),
        keySpec(ById),
        keySpec(ByKindSum),
        keySpec(ByKindSum, {Value(2)}),
        keySpec(ByName, {Value("ЁЖ")}),
        termSpec({{F_SUM, true}, {F_NAME, false}}),
        termSpec({{F_KIND, false}, {F_SUM, true}}, {Value(1)}),
        [] {
            ScanSpec s = keySpec(ByName);  // a key with terms after it
            s.terms = {{F_SUM, true}};
            return s;
        }(),
        ScanSpec{},
    };
    for (std::size_t i = 0; i < specs.size(); ++i) {
        SCOPED_TRACE("spec " + std::to_string(i));
        const std::vector<Long> full = ids(table(), specs[i]);
        ASSERT_GT(full.size(), 50u);
        EXPECT_EQ(paged(specs[i], 37), full);
        EXPECT_EQ(asIds(table().positions(specs[i])), full);
        ScanSpec back = specs[i];
        back.backward = true;
        EXPECT_EQ(paged(back, 41), std::vector<Long>(full.rbegin(), full.rend()));

        // From a row in the middle, both ways.
        const std::size_t mid = full.size() / 2;
        Item row;
        ASSERT_TRUE(table().read(Position(full[mid]), &row));
        ScanSpec after = specs[i];
        after.afterValues.emplace();
        for (int f : orderFields(after)) after.afterValues->push_back(getField(itemDef().fields[f], &row));
        after.afterPosition = full[mid];
        EXPECT_EQ(paged(after, 50), std::vector<Long>(full.begin() + mid + 1, full.end()));
        EXPECT_EQ(asIds(table().positions(after)), std::vector<Long>(full.begin() + mid + 1, full.end()));
        after.backward = true;
        std::vector<Long> before(full.begin(), full.begin() + mid);
        EXPECT_EQ(paged(after, 50), std::vector<Long>(before.rbegin(), before.rend()));
        EXPECT_EQ(asIds(table().positions(after)), std::vector<Long>(before.rbegin(), before.rend()));
    }
}

TEST_F(Scans, FromValuesStartAtOrBeforeLeadingValues) {
    ScanSpec from = keySpec(ByKindSum);
    from.fromValues = std::vector<Value>{Value(1), Value(3)};
    from.limit = 1;
    Item first;
    table().scan(from, [&](Position, const void* rec) {
        first = *static_cast<const Item*>(rec);
        return true;
    });
    EXPECT_EQ(first.KIND, 1);
    EXPECT_EQ(first.SUM.value(), Decimal(3));
    EXPECT_EQ(first.ID, 13);  // the first of the (1, 3) ties in record order

    from.backward = true;
    from.fromValues = std::vector<Value>{Value(1)};  // a leading part: the last row with KIND <= 1
    table().scan(from, [&](Position, const void* rec) {
        first = *static_cast<const Item*>(rec);
        return true;
    });
    EXPECT_EQ(first.KIND, 1);
    EXPECT_EQ(first.SUM.value(), Decimal(4));
    EXPECT_EQ(first.ID, 694);
}

// Conditions left to SQLite keep exactly the rows the same test in the program
// keeps, in the scan's order, whole or paged; only the fields asked for are read.
TEST_F(Scans, ConditionsKeepTheRowsTheProgramsTestKeeps) {
    // Sums with cents, one negative, beside the whole ones; a note on some.
    for (Long id = 701; id <= 720; ++id) {
        add(h, r, id, "Лось", static_cast<int>(id % 3));
        r.SUM = Decimal::fromMantissa((id - 705) * 25, 2);
        r.PRIM = id % 4 == 0 ? "заметка" : "";
        ASSERT_TRUE(h.put()) << h.errorText();
    }
    using C = Condition;
    const Decimal cents = Decimal::fromMantissa(125, 2), beyond = Decimal::fromMantissa(1255, 3);
    const struct {
        const char* name;
        std::vector<C> where;
        std::function<bool(const Item&)> keeps;
    } cases[] = {
        {"kind", {C::equal(F_KIND, 2)}, [](const Item& i) { return i.KIND == 2; }},
        {"sum with cents", {C::equal(F_SUM, cents)}, [&](const Item& i) { return i.SUM.value() == cents; }},
        {"a sum the field cannot hold", {C::equal(F_SUM, beyond)}, [](const Item&) { return false; }},
        {"not a sum the field cannot hold", {C::notEqual(F_SUM, beyond)}, [](const Item&) { return true; }},
        {"bounds between cents",
         {C::greater(F_SUM, Decimal::fromMantissa(-101, 3)), C::less(F_SUM, beyond)},
         [&](const Item& i) { return i.SUM.value() > Decimal::fromMantissa(-101, 3) && i.SUM.value() < beyond; }},
        {"inclusive bounds",
         {C::atLeast(F_SUM, Decimal::fromMantissa(-25, 2)), C::atMost(F_SUM, Decimal::fromMantissa(1249, 3))},
         [&](const Item& i) {
             return i.SUM.value() >= Decimal::fromMantissa(-25, 2) && i.SUM.value() <= Decimal::fromMantissa(1249, 3);
         }},
        {"text as stored", {C::equal(F_NAME, "аист  ")}, [](const Item& i) { return i.NAME == "аист"; }},
        {"blank text", {C::equal(F_NAME, "")}, [](const Item& i) { return i.NAME.blank(); }},
        {"other text", {C::notEqual(F_NAME, "Ёж")}, [](const Item& i) { return !(i.NAME == "Ёж"); }},
        {"text longer than its field", {C::equal(F_NAME, std::string(21, 'x'))}, [](const Item&) { return false; }},
        {"memo", {C::notEqual(F_PRIM, "")}, [](const Item& i) { return !i.PRIM.blank(); }},
        {"groups",
         {C::anyOf({C::allOf({C::equal(F_KIND, 1), C::atLeast(F_SUM, 3)}), C::equal(F_NAME, "Волк")})},
         [](const Item& i) { return (i.KIND == 1 && i.SUM.value() >= Decimal(3)) || i.NAME == "Волк"; }},
        {"no alternative", {C::anyOf({})}, [](const Item&) { return false; }},
        {"no term", {C::allOf({})}, [](const Item&) { return true; }},
    };
    const std::vector<ScanSpec> specs = {ScanSpec{}, keySpec(ByName), keySpec(ByKindSum, {Value(1)}),
                                         termSpec({{F_SUM, true}})};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::size_t n = 0; n < specs.size(); ++n) {
            SCOPED_TRACE("spec " + std::to_string(n));
            std::vector<Long> expected;
            table().scan(specs[n], [&](Position, const void* rec) {
                if (c.keeps(*static_cast<const Item*>(rec))) expected.push_back(static_cast<const Item*>(rec)->ID);
                return true;
            });
            ScanSpec filtered = specs[n];
            filtered.where = c.where;
            EXPECT_EQ(ids(table(), filtered), expected);
            EXPECT_EQ(paged(filtered, 7), expected);
            EXPECT_EQ(table().lastError(), Error::None);
        }
    }
}

// A scan at once gives the rows of the scan in chunks, in the same order.
TEST_F(Scans, AScanAtOnceAndAllPositionsGiveTheRowsOfTheScanInChunks) {
    ScanSpec named = keySpec(ByName);
    named.where = {Condition::notEqual(F_KIND, 1)};
    named.fields = {F_ID};
    ScanSpec last = keySpec(ByKindSum, {Value(2)});
    last.backward = true;
    last.limit = 30;
    const std::vector<ScanSpec> specs = {keySpec(ByName), keySpec(ById), named, last,
                                         termSpec({{F_SUM, true}, {F_NAME, false}}), ScanSpec{}};
    for (std::size_t n = 0; n < specs.size(); ++n) {
        SCOPED_TRACE("spec " + std::to_string(n));
        ScanSpec atOnce = specs[n];
        atOnce.atOnce = true;
        const std::vector<Long> expected = ids(table(), specs[n]);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(ids(table(), atOnce), expected);
        EXPECT_EQ(asIds(table().positions(specs[n])), expected);
    }
    ScanSpec started = keySpec(ByName);
    started.atOnce = true;
    started.fromValues = std::vector<Value>{Value("Б")};
    EXPECT_TRUE(ids(table(), started).empty());
    EXPECT_EQ(table().lastError(), Error::Other);
}

TEST_F(Scans, AScanReadsTheFieldsAskedForAndThoseOfItsOrder) {
    std::vector<Item> all(701);
    table().scan({}, [&](Position, const void* rec) {
        all[static_cast<const Item*>(rec)->ID] = *static_cast<const Item*>(rec);
        return true;
    });
    ScanSpec spec = keySpec(ByName);
    spec.fields = {F_ID, F_KIND};
    spec.where = {Condition::notEqual(F_KIND, 0)};
    std::size_t read = 0;
    table().scan(spec, [&](Position pos, const void* rec) {
        const Item& i = *static_cast<const Item*>(rec);
        ++read;
        EXPECT_EQ(i.ID, pos);
        EXPECT_EQ(i.KIND, all[i.ID].KIND);
        EXPECT_EQ(i.NAME, all[i.ID].NAME);  // the order's field
        return true;
    });
    EXPECT_EQ(read, 400u);  // kinds 1 and 2 of the 600 named rows
    EXPECT_EQ(paged(spec, 9).size(), 400u);
}

TEST_F(Scans, AConditionTheFileCannotTestFailsTheScan) {
    for (const Condition& c : {Condition::less(F_NAME, "Волк"), Condition::equal(7, 1)}) {
        ScanSpec spec;
        spec.where = {c};
        EXPECT_TRUE(ids(table(), spec).empty());
        EXPECT_EQ(table().lastError(), Error::Other);
    }
    ScanSpec spec;
    spec.fields = {9};
    EXPECT_TRUE(ids(table(), spec).empty());
    EXPECT_EQ(table().lastError(), Error::Other);
}

TEST_F(Scans, KeyOrderedReadsAreIndexSearches) {
    using namespace detail;
    const FileLayout layout(itemDef(), "main");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path("items.tps").c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    auto plan = [&](const std::string& sql) {
        sqlite3_stmt* s = nullptr;
        std::string out;
        EXPECT_EQ(sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).c_str(), -1, &s, nullptr), SQLITE_OK) << sql;
        while (s && sqlite3_step(s) == SQLITE_ROW)
            out += std::string(reinterpret_cast<const char*>(sqlite3_column_text(s, 3))) + "; ";
        sqlite3_finalize(s);
        return out;
    };
    // A filter on the fields of every key leaves the order's index to the read.
    std::string problem;
    Filter onEveryKey;
    ASSERT_TRUE(filterOf(layout,
                         {Condition::equal(F_ID, 5), Condition::equal(F_NAME, "Волк"), Condition::atLeast(F_KIND, 1),
                          Condition::less(F_SUM, 3)},
                         onEveryKey, &problem))
        << problem;
    for (const Query& q : {Query{Bound::Start}, Query{Bound::Ties}, Query{Bound::Ties, 0, 0, 0, true}}) {
        Selection filtered = selectionOf(layout, Order{}, {F_ID});
        filtered.filter = onEveryKey;
        const std::string sql = selectSql(layout, Order{}, q, filtered);
        const std::string p = plan(sql);
        EXPECT_EQ(p.find("INDEX"), std::string::npos) << sql << "\n" << p;  // record order: the table itself
        EXPECT_EQ(p.find("TEMP B-TREE"), std::string::npos) << sql << "\n" << p;
    }
    for (int key = 0; key < static_cast<int>(itemDef().keys.size()); ++key) {
        const Order order = keyOrder(layout, key);
        Selection filtered = selectionOf(layout, order, {F_ID});
        filtered.filter = onEveryKey;
        // Read at once: the table itself, in record order, then sorted.
        Query whole{Bound::Start, key == ByKindSum ? 1u : 0u};
        whole.wholeFile = true;
        const std::string wholeSql = selectSql(layout, order, whole, filtered);
        EXPECT_EQ(plan(wholeSql).find("INDEX"), std::string::npos) << wholeSql << "\n" << plan(wholeSql);
        const std::size_t n = order.columns.size();
        for (bool backward : {false, true}) {
            for (std::size_t equal = 0; equal <= n; ++equal) {
                std::vector<Query> shapes = {{Bound::Start, equal, 0, 0, backward},
                                             {Bound::Ties, equal, 0, n, backward}};
                if (equal < n) {
                    shapes.push_back({Bound::From, equal, equal, n - equal, backward});
                    shapes.push_back({Bound::Beyond, equal, equal, n - equal, backward});
                }
                for (const Query& q : shapes) {
                    for (const Selection& selection : {selectionOf(layout, order, {}), filtered}) {
                        const std::string sql = selectSql(layout, order, q, selection);
                        const std::string p = plan(sql);
                        EXPECT_NE(p.find("INDEX key_" + itemDef().keys[key].name), std::string::npos)
                            << sql << "\n" << p;
                        EXPECT_EQ(p.find("TEMP B-TREE"), std::string::npos) << sql << "\n" << p;
                        if (q.bound != Bound::Start || equal > 0) {
                            EXPECT_NE(p.find("SEARCH"), std::string::npos) << sql << "\n" << p;
                        }
                    }
                }
            }
        }
    }
    sqlite3_close(db);
}

}  // namespace
}  // namespace vx::store::testing
