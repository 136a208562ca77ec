#pragma once
// How a file's logical layout maps onto its SQLite tables (see layout.cpp).

#include <string>
#include <vector>

#include "platform/store/connection.h"
#include "platform/store/schema.h"

namespace vx::store::detail {

inline constexpr int kLayoutVersion = 1;

// The SQL names of one file's layout, worked out once per table.
struct FileLayout {
    FileLayout(const FileDef& def, const std::string& schema);

    const FileDef& def;
    std::string records;          // qualified table name: "main".records
    std::vector<bool> keyColumn;  // per field: a text in some key, with a folded key column
    std::vector<int> everyField;  // 0, 1, ... in layout order
    std::string selectList;       // pos, then every field in layout order
    std::string readSql;          // the record at a pos
    std::string insertSql;        // every field, then every key column
    std::string deleteSql;        // the record at a pos

    bool isText(int field) const {
        const FieldType t = def.fields[field].type;
        return t == FieldType::String || t == FieldType::Memo;
    }
    std::string column(int field) const;        // "NAME"
    std::string foldedColumn(int field) const;  // "NAME__key"
    // The column a key orders a component by (the folded one for texts).
    std::string keyComponent(int field) const;
    // Condition of the entries of a key whose blank entries are left out ("" when kept);
    // the key's partial index and every scan in its order use exactly this text.
    std::string entryCondition(const KeyDef& key) const;
    // Rewrites the given fields (with their key columns); parameters: each field's
    // value, its folded text after it when it has a key column, then pos.
    std::string updateSql(const std::vector<int>& fields) const;
};

// Creates the layout in a new file, or checks an existing file's label and layout
// and rebuilds keys that are missing or differ. false with `problem` set when the
// file holds something else or a key cannot be rebuilt.
bool prepareLayout(Connection& c, const FileLayout& layout, std::string* problem);

}  // namespace vx::store::detail
