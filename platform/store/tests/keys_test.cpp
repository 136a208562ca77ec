// Key attributes: case-insensitive texts, unique keys, blank entries, ties.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/text.h"
#include "platform/store/tests/store_fixture.h"

namespace vx::store::testing {
namespace {

class Keys : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_TRUE(h.open(path("items.tps"), true)) << h.errorText();
    }
    Item r;
    FileHandle h{itemDef(), &r};
};

TEST_F(Keys, TextKeyOrdersAndMatchesWithoutCaseIncludingCyrillic) {
    const std::vector<std::string> names = {"ёлка", "Берёза", "apple", "ЁЛКА", "берёза", "Ель", "Apple", "Ёлка"};
    for (std::size_t i = 0; i < names.size(); ++i) add(h, r, static_cast<Long>(i + 1), names[i]);

    // Expected: by the case-free comparison, equal names in record order.
    std::vector<Long> expected = {1, 2, 3, 4, 5, 6, 7, 8};
    std::stable_sort(expected.begin(), expected.end(),
                     [&](Long a, Long b) { return compareTextNoCase(names[a - 1], names[b - 1]) < 0; });
    ScanSpec byName;
    byName.keyIndex = ByName;
    EXPECT_EQ(ids(h.database()->table(), byName), expected);

    // GET finds the first of the equal names in the key's order; SET(key,key) starts there.
    clearRecord(itemDef(), &r);
    r.NAME = "ЁлКа";
    ASSERT_TRUE(h.get(ByName));
    EXPECT_EQ(r.ID, 1);
    r.NAME = "БЕРЁЗА";
    h.setAtBuffer(ByName);
    std::vector<Long> fromBirch;
    while (h.next()) fromBirch.push_back(r.ID);
    EXPECT_EQ(fromBirch, (std::vector<Long>{2, 5, 6}));  // Берёза, берёза, Ель; Ё sorts before А

    ScanSpec equal = byName;
    equal.equal = {Value("APPLE")};
    EXPECT_EQ(ids(h.database()->table(), equal), (std::vector<Long>{3, 7}));
}

TEST_F(Keys, UniqueKeyRefusesASecondEntryAndChangesNothing) {
    add(h, r, 5, "первый");
    const Position second = add(h, r, 6, "второй");

    clearRecord(itemDef(), &r);
    r.ID = 5;
    r.NAME = "третий";
    EXPECT_FALSE(h.add());
    EXPECT_EQ(h.error(), Error::Duplicate);
    EXPECT_EQ(h.records(), 2);

    ASSERT_TRUE(h.get(second));
    r.ID = 5;
    r.NAME = "изменён";
    EXPECT_FALSE(h.put());
    EXPECT_EQ(h.error(), Error::Duplicate);
    ASSERT_TRUE(h.get(second));
    EXPECT_EQ(r.ID, 6);
    EXPECT_EQ(r.NAME.str(), "второй");

    // Zero is a blank entry, left out of the unique key: any number of records may have it.
    add(h, r, 0, "без номера");
    add(h, r, 0, "тоже без номера");
    EXPECT_EQ(h.records(), 4);
}

TEST_F(Keys, BlankEntriesAreLeftOutOfTheirKeyButNotOutOfTheFile) {
    add(h, r, 1, "", 0, 0);  // blank in K1 and K3, left out of K1, kept in K3
    add(h, r, 2, "Ель", 1, 0);
    add(h, r, 0, "   ", 0, 0);  // blank everywhere (spaces are blank)

    Table& t = h.database()->table();
    ScanSpec byName;
    byName.keyIndex = ByName;
    EXPECT_EQ(ids(t, byName), (std::vector<Long>{2}));
    ScanSpec byId;
    byId.keyIndex = ById;
    EXPECT_EQ(ids(t, byId), (std::vector<Long>{1, 2}));
    ScanSpec byKind;
    byKind.keyIndex = ByKindSum;
    EXPECT_EQ(ids(t, byKind), (std::vector<Long>{1, 0, 2}));
    EXPECT_EQ(ids(t, ScanSpec{}), (std::vector<Long>{1, 2, 0}));

    h.set(ByName);
    std::vector<Long> loop;
    while (!h.eof()) {
        ASSERT_TRUE(h.next());
        loop.push_back(r.ID);
    }
    EXPECT_EQ(loop, (std::vector<Long>{2}));

    clearRecord(itemDef(), &r);
    EXPECT_FALSE(h.get(ByName));  // a blank name has no entry to find
    EXPECT_EQ(h.error(), Error::RecordNotAvailable);
    EXPECT_TRUE(h.get(ByKindSum));  // the kept blank entry is found
    EXPECT_EQ(r.ID, 1);
}

TEST_F(Keys, TiesFollowRecordOrderAcrossDeletesAndAdds) {
    // More equal entries than one read-ahead holds.
    for (Long id = 1; id <= 600; ++id) add(h, r, id, "одно имя", 3, 7);
    ASSERT_TRUE(h.get(Position(1)));
    ASSERT_TRUE(h.erase());
    add(h, r, 1, "одно имя", 3, 7);  // re-added: now the last of the ties

    std::vector<Long> expected;
    for (Long id = 2; id <= 600; ++id) expected.push_back(id);
    expected.push_back(1);
    for (int key : {ByName, ByKindSum}) {
        ScanSpec spec;
        spec.keyIndex = key;
        EXPECT_EQ(ids(h.database()->table(), spec), expected) << "key " << key;
        spec.backward = true;
        EXPECT_EQ(ids(h.database()->table(), spec), std::vector<Long>(expected.rbegin(), expected.rend()));
    }
}

}  // namespace
}  // namespace vx::store::testing
