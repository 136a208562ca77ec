// The files as the plain sqlite3 tool sees them, and what opening does with a file
// whose keys were damaged or that holds something else.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "platform/store/tests/store_fixture.h"

namespace vx::store::testing {
namespace {

// Runs SQL with plain SQLite; the first column of every row, joined by '|'.
std::string sql(const std::string& path, const std::string& text) {
    sqlite3* db = nullptr;
    std::string out;
    EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_exec(
        db, text.c_str(),
        [](void* o, int, char** values, char**) {
            auto& s = *static_cast<std::string*>(o);
            s += (s.empty() ? "" : "|") + std::string(values[0] ? values[0] : "NULL");
            return 0;
        },
        &out, nullptr);
    sqlite3_close(db);
    return out;
}

TEST_F(StoreTest, FilesAreReadableWithPlainSQLite) {
    const std::string file = path("items.tps");
    {
        Item r;
        FileHandle h(itemDef(), &r);
        ASSERT_TRUE(h.open(file, true));
        add(h, r, 7, "Ёлка", 2, 0);
        r.SUM = Decimal::fromMantissa(-1250, 3);  // -1.25
        ASSERT_TRUE(h.put());
    }
    EXPECT_EQ(sql(file, "SELECT value FROM meta ORDER BY name"), "ITEM|1");
    EXPECT_EQ(sql(file, "SELECT ID || ',' || NAME || ',' || NAME__key || ',' || SUM || ',' || KIND FROM records"),
              "7,Ёлка,ЁЛКА,-125,2");
    EXPECT_EQ(sql(file, "SELECT name FROM sqlite_master WHERE name LIKE 'key%' ORDER BY name"), "key_K1|key_K2|key_K3");
    EXPECT_EQ(sql(file, "PRAGMA journal_mode"), "delete");
}

TEST_F(StoreTest, OpeningRebuildsDamagedKeysAndRefusesOtherFiles) {
    const std::string file = path("items.tps");
    {
        Item r;
        FileHandle h(itemDef(), &r);
        ASSERT_TRUE(h.open(file, true));
        add(h, r, 1, "Ель");
    }
    sql(file, "DROP INDEX key_K1; DROP INDEX key_K2; CREATE INDEX key_K2 ON records(NAME)");
    {
        Item r;
        FileHandle h(itemDef(), &r);
        ASSERT_TRUE(h.open(file, false)) << h.errorText();
        clearRecord(itemDef(), &r);
        r.ID = 1;
        EXPECT_FALSE(h.add());  // the unique key is back
        EXPECT_EQ(h.error(), Error::Duplicate);
    }
    EXPECT_EQ(sql(file, "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name LIKE 'key_%'"), "3");

    struct Case {
        const char* name;
        std::string setUp;
    };
    const Case others[] = {
        {"other.tps", "CREATE TABLE t(x)"},
        {"label.tps", ""},
    };
    for (const Case& c : others) {
        const std::string p = path(c.name);
        if (!c.setUp.empty()) sql(p, c.setUp);
        else std::filesystem::copy_file(file, p);
        FileDef otherLabel = itemDef();
        otherLabel.label = "OTHER";
        Item r;
        FileHandle h(c.setUp.empty() ? otherLabel : itemDef(), &r);
        EXPECT_FALSE(h.open(p, false)) << c.name;
        EXPECT_NE(h.errorText().find("holds"), std::string::npos) << h.errorText();
    }
    std::ofstream(path("text.tps")) << "not a database, just text that is long enough to be looked at";
    Item r;
    FileHandle h(itemDef(), &r);
    EXPECT_FALSE(h.open(path("text.tps"), false));
    EXPECT_FALSE(h.open(path("missing.tps"), false));
    EXPECT_EQ(h.error(), Error::FileNotFound);
    EXPECT_FALSE(h.open(path("no folder/x.tps"), true));
    EXPECT_EQ(h.error(), Error::PathNotFound);
    EXPECT_FALSE(h.open("  ", true));
    EXPECT_EQ(h.error(), Error::BadName);
}

}  // namespace
}  // namespace vx::store::testing
