#pragma once
// A small record file for the driver's tests: a text key, a unique numbered key
// and a key that keeps its blank entries; and a folder that is removed afterwards.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/fields.h"
#include "platform/store/record_file.h"

namespace vx::store::testing {

struct Item {
    Long ID = 0;
    Str NAME{20};
    Dec SUM{9, 2};
    Byte KIND = 0;
    Str PRIM{200};
};

enum ItemKey { ByName = 0, ById = 1, ByKindSum = 2 };
enum ItemField { F_ID = 0, F_NAME = 1, F_SUM = 2, F_KIND = 3, F_PRIM = 4 };

const FileDef& itemDef();

// A fresh folder per test.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string path(const std::string& name) const { return folder_ + "/" + name; }

    // Appends through a handle; returns the position.
    static Position add(FileHandle& h, Item& buffer, Long id, const std::string& name, int kind = 0, int sum = 0);
    // IDs of the rows of a scan, in order.
    static std::vector<Long> ids(Table& t, const ScanSpec& spec);
    // PRAGMA integrity_check of a file, read with plain SQLite.
    static std::string integrity(const std::string& path);

private:
    std::string folder_;
};

}  // namespace vx::store::testing
