#include "platform/store/tests/store_fixture.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>

namespace vx::store::testing {

namespace {

KeyDef key(const char* name, const char* description, std::vector<int> fields, bool unique, bool blanksKept) {
    KeyDef k;
    k.name = name;
    k.description = description;
    k.fields = std::move(fields);
    k.unique = unique;
    k.blanksKept = blanksKept;
    return k;
}

}  // namespace

const FileDef& itemDef() {
    using R = Item;
    static const FileDef def{"ITEM",
                             "ITM",
                             {VX_LONG(R, ID), VX_STR(R, NAME, 20), VX_DEC(R, SUM, 9, 2), VX_BYTE(R, KIND),
                              VX_MEMO(R, PRIM, 200)},
                             {key("K1", "Имя", {F_NAME}, false, false), key("K2", "Номер", {F_ID}, true, false),
                              key("K3", "Вид, сумма", {F_KIND, F_SUM}, false, true)},
                             recordOps<R>()};
    return def;
}

void StoreTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vx-store-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
}

void StoreTest::TearDown() {
    commitPendingWrites();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

Position StoreTest::add(FileHandle& h, Item& buffer, Long id, const std::string& name, int kind, int sum) {
    clearRecord(itemDef(), &buffer);
    buffer.ID = id;
    buffer.NAME = name;
    buffer.KIND = static_cast<Byte>(kind);
    buffer.SUM = sum;
    EXPECT_TRUE(h.add()) << h.errorText();
    return h.position();
}

std::vector<Long> StoreTest::ids(Table& t, const ScanSpec& spec) {
    std::vector<Long> out;
    t.scan(spec, [&](Position, const void* r) {
        out.push_back(static_cast<const Item*>(r)->ID);
        return true;
    });
    return out;
}

std::string StoreTest::integrity(const std::string& path) {
    sqlite3* db = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &s, nullptr) == SQLITE_OK &&
            sqlite3_step(s) == SQLITE_ROW)
            result = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    return result;
}

}  // namespace vx::store::testing
