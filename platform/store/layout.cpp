// On-disk format of a record file: one SQLite database (rollback journal) per file.
//
//   CREATE TABLE meta(name TEXT PRIMARY KEY, value TEXT NOT NULL)
//       rows ('label', <file label, e.g. PASPORT>) and ('layout', '1')
//
//   CREATE TABLE records(
//       pos INTEGER PRIMARY KEY AUTOINCREMENT,    record order = order of creation;
//                                                 a position is never given out twice
//       "<FIELD>" INTEGER NOT NULL DEFAULT 0,     BYTE, LONG, and DECIMAL(d,p) as value * 10^p
//       "<FIELD>" TEXT NOT NULL DEFAULT '',       STRING(n) and memo: UTF-8, no trailing spaces
//       ...                                       every field, in layout order
//       "<FIELD>__key" TEXT NOT NULL DEFAULT '',  for each STRING that is a key component: its
//       ...)                                      text upper-cased (Latin, Cyrillic, Ё), in field order
//
//   CREATE [UNIQUE] INDEX "key_<KEY>" ON records(<components in key order,
//           the __key column for texts>) [WHERE NOT (<c1> = 0 AND <c2> = '' ...)]
//       one per key; UNIQUE for unique keys; the WHERE clause for keys whose blank
//       entries are left out, so such records have no entry.
//
// Keys are case-insensitive under the plain BINARY collation through the __key
// columns, and ties inside a key follow pos (the rowid ends every index entry), so
// the sqlite3 tool reads, orders and checks these files as the program does.

#include "platform/store/layout.h"

#include <algorithm>

namespace vx::store::detail {

namespace {

std::string quoted(const std::string& name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string indexName(const KeyDef& key) { return "key_" + key.name; }

std::string tableSql(const FileLayout& l) {
    std::string sql = "CREATE TABLE records(pos INTEGER PRIMARY KEY AUTOINCREMENT";
    for (std::size_t f = 0; f < l.def.fields.size(); ++f)
        sql += ", " + l.column(static_cast<int>(f)) +
               (l.isText(static_cast<int>(f)) ? " TEXT NOT NULL DEFAULT ''" : " INTEGER NOT NULL DEFAULT 0");
    for (std::size_t f = 0; f < l.def.fields.size(); ++f)
        if (l.keyColumn[f]) sql += ", " + l.foldedColumn(static_cast<int>(f)) + " TEXT NOT NULL DEFAULT ''";
    return sql + ")";
}

std::string indexSql(const FileLayout& l, const KeyDef& key) {
    std::string sql =
        std::string(key.unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") + quoted(indexName(key)) + " ON records(";
    for (std::size_t i = 0; i < key.fields.size(); ++i) sql += (i ? ", " : "") + l.keyComponent(key.fields[i]);
    sql += ")";
    const std::string condition = l.entryCondition(key);
    if (!condition.empty()) sql += " WHERE " + condition;
    return sql;
}

struct Existing {
    std::string table;                                         // sql of records, "" when missing
    std::vector<std::pair<std::string, std::string>> indexes;  // key_* name and sql
    bool hasMeta = false;
    bool empty = true;  // no tables or indexes at all
};

bool readExisting(Connection& c, Existing& out) {
    Statement s = c.prepare("SELECT type, name, sql FROM sqlite_master WHERE type IN ('table', 'index')");
    if (!s) return false;
    int rc;
    while ((rc = s.step()) == SQLITE_ROW) {
        out.empty = false;
        const std::string type = reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 0));
        const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 1));
        const unsigned char* sql = sqlite3_column_text(s.get(), 2);
        if (type == "table" && name == "records") out.table = sql ? reinterpret_cast<const char*>(sql) : "";
        if (type == "table" && name == "meta") out.hasMeta = true;
        if (type == "index" && name.rfind("key_", 0) == 0 && sql)
            out.indexes.emplace_back(name, reinterpret_cast<const char*>(sql));
    }
    if (rc != SQLITE_DONE) {
        c.fail(rc);
        return false;
    }
    return true;
}

std::string metaValue(Connection& c, const char* name) {
    Statement s = c.prepare("SELECT value FROM meta WHERE name = ?");
    if (!s) return {};
    s.bind(1, std::string_view(name));
    if (s.step() != SQLITE_ROW) return {};
    return reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 0));
}

std::string literal(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + '\'';
}

// The statements that bring the file to the layout; "" when it is there already.
bool plan(Connection& c, const FileLayout& l, std::string& work, std::string* problem) {
    Existing e;
    if (!readExisting(c, e)) {
        *problem = c.errorText();
        return false;
    }
    work.clear();
    if (e.empty) {
        work =
            "CREATE TABLE meta(name TEXT PRIMARY KEY, value TEXT NOT NULL);"
            "INSERT INTO meta VALUES('label', " +
            literal(l.def.label) + "), ('layout', '" + std::to_string(kLayoutVersion) + "');" + tableSql(l) + ";";
        for (const KeyDef& key : l.def.keys) work += indexSql(l, key) + ";";
        return true;
    }
    const std::string label = e.hasMeta ? metaValue(c, "label") : std::string();
    if (label != l.def.label) {
        *problem = "the file holds " + (label.empty() ? std::string("no record file") : label) + ", not " + l.def.label;
        return false;
    }
    if (metaValue(c, "layout") != std::to_string(kLayoutVersion) || e.table != tableSql(l)) {
        *problem = "the file's layout of " + l.def.label + " differs from the program's";
        return false;
    }
    for (const auto& [name, sql] : e.indexes) {
        auto wanted =
            std::find_if(l.def.keys.begin(), l.def.keys.end(), [&](const KeyDef& k) { return indexName(k) == name; });
        if (wanted == l.def.keys.end() || indexSql(l, *wanted) != sql) work += "DROP INDEX " + quoted(name) + ";";
    }
    for (const KeyDef& key : l.def.keys) {
        const std::string sql = indexSql(l, key);
        const bool present = std::any_of(e.indexes.begin(), e.indexes.end(),
                                         [&](const auto& i) { return i.first == indexName(key) && i.second == sql; });
        if (!present) work += sql + ";";
    }
    return true;
}

}  // namespace

FileLayout::FileLayout(const FileDef& d, const std::string& schema)
    : def(d), records(quoted(schema) + ".records"), keyColumn(d.fields.size(), false) {
    for (const KeyDef& key : d.keys)
        for (int f : key.fields)
            if (d.fields[f].type == FieldType::String) keyColumn[f] = true;
    selectList = "pos";
    std::string names, params;
    for (std::size_t f = 0; f < d.fields.size(); ++f) {
        everyField.push_back(static_cast<int>(f));
        selectList += ", " + column(static_cast<int>(f));
        names += (f ? ", " : "") + column(static_cast<int>(f));
        params += f ? ", ?" : "?";
    }
    for (std::size_t f = 0; f < d.fields.size(); ++f) {
        if (!keyColumn[f]) continue;
        names += ", " + foldedColumn(static_cast<int>(f));
        params += ", ?";
    }
    readSql = "SELECT " + selectList + " FROM " + records + " WHERE pos = ?";
    insertSql = "INSERT INTO " + records + "(" + names + ") VALUES(" + params + ")";
    deleteSql = "DELETE FROM " + records + " WHERE pos = ?";
}

std::string FileLayout::column(int field) const { return quoted(def.fields[field].name); }

std::string FileLayout::foldedColumn(int field) const { return quoted(def.fields[field].name + "__key"); }

std::string FileLayout::keyComponent(int field) const { return keyColumn[field] ? foldedColumn(field) : column(field); }

std::string FileLayout::entryCondition(const KeyDef& key) const {
    if (key.blanksKept) return {};
    std::string sql = "NOT (";
    for (std::size_t i = 0; i < key.fields.size(); ++i)
        sql += (i ? " AND " : "") + keyComponent(key.fields[i]) + (isText(key.fields[i]) ? " = ''" : " = 0");
    return sql + ")";
}

std::string FileLayout::updateSql(const std::vector<int>& fields) const {
    std::string sets;
    for (int f : fields) {
        sets += (sets.empty() ? "" : ", ") + column(f) + " = ?";
        if (keyColumn[f]) sets += ", " + foldedColumn(f) + " = ?";
    }
    return "UPDATE " + records + " SET " + sets + " WHERE pos = ?";
}

bool prepareLayout(Connection& c, const FileLayout& layout, std::string* problem) {
    std::string work;
    if (!plan(c, layout, work, problem)) return false;
    if (work.empty()) return true;
    if (c.readOnly()) {
        // An existing file is used as it is (only a rebuilt key's speed is missed); a new one cannot be.
        if (work.rfind("CREATE TABLE meta", 0) != 0) return true;
        *problem = "the file is read-only";
        return false;
    }
    // Planned again under the write lock: another process may be creating the same file.
    if (!c.exec("BEGIN IMMEDIATE")) {
        *problem = c.errorText();
        return false;
    }
    if (!plan(c, layout, work, problem) || !c.exec(work) || !c.exec("COMMIT")) {
        if (problem->empty()) *problem = c.errorText();
        c.exec("ROLLBACK");
        return false;
    }
    return true;
}

}  // namespace vx::store::detail
