#include "bench/sqlite_side.h"

#include <stdexcept>

#include "bench/report.h"
#include "platform/core/text.h"

namespace vx::bench {

namespace {
void check(sqlite3* db, int rc, const std::string& what) {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(what + ": " + sqlite3_errmsg(db));
}
}  // namespace

Statement::Statement(sqlite3* db, const std::string& sql) {
    check(db, sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr), sql);
}
Statement::~Statement() { sqlite3_finalize(stmt_); }
void Statement::bind(int index, int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
void Statement::bind(int index, const std::string& value) {
    sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
}
bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    check(sqlite3_db_handle(stmt_), rc, "step");
    return rc == SQLITE_ROW;
}
void Statement::reset() { sqlite3_reset(stmt_); }
int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }
std::string Statement::text(int column) const {
    const unsigned char* t = sqlite3_column_text(stmt_, column);
    return t ? reinterpret_cast<const char*>(t) : "";
}
int Statement::columns() const { return sqlite3_column_count(stmt_); }

RawFile::RawFile(const std::string& path) {
    check(db_, sqlite3_open(path.c_str(), &db_), path);
    exec("PRAGMA synchronous=NORMAL");
}

RawFile::RawFile(const std::string& path, const std::string& schemaFrom) : RawFile(path) {
    RawFile source(schemaFrom);
    Statement schema(source.db(), "SELECT sql FROM sqlite_master WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite_%'");
    while (schema.step()) exec(schema.text(0));
}

RawFile::~RawFile() { sqlite3_close(db_); }

void RawFile::exec(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(sql + ": " + message);
    }
}

std::vector<std::string> RawFile::columns() {
    std::vector<std::string> out;
    Statement info(db_, "SELECT name FROM pragma_table_info('records') WHERE name <> 'pos'");
    while (info.step()) out.push_back(info.text(0));
    return out;
}

namespace {
std::string quoted(const std::string& name) { return "\"" + name + "\""; }
}  // namespace

std::string joined(const std::vector<std::string>& names, const std::string& separator, const std::string& each) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) out += (i ? separator : "") + quoted(names[i]) + each;
    return out;
}

std::vector<Cell> cellsOf(const store::FileDef& def, const void* record, const std::vector<std::string>& columns) {
    std::vector<Cell> cells;
    for (const std::string& column : columns) {
        const bool folded = column.ends_with("__key");
        const int f = def.fieldIndex(folded ? column.substr(0, column.size() - 5) : column);
        const store::FieldDef& field = def.fields[f];
        const Value v = store::getField(field, record);
        if (folded) cells.emplace_back(keyFold(v.toText()));
        else if (field.type == store::FieldType::String || field.type == store::FieldType::Memo)
            cells.emplace_back(v.toText());
        else cells.emplace_back(v.toNumber().scaledTo(field.places));
    }
    return cells;
}

void bindCells(Statement& st, const std::vector<Cell>& cells, int first) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (auto* n = std::get_if<int64_t>(&cells[c])) st.bind(first + static_cast<int>(c), *n);
        else st.bind(first + static_cast<int>(c), std::get<std::string>(cells[c]));
    }
}

double appendedInOneTransaction(RawFile& raw, const std::vector<std::string>& columns,
                                const std::vector<std::vector<Cell>>& rows) {
    std::string marks;
    for (std::size_t c = 0; c < columns.size(); ++c) marks += c ? ",?" : "?";
    return millisecondsOf([&] {
        raw.exec("BEGIN");
        Statement insert(raw.db(), "INSERT INTO records(" + joined(columns, ",") + ") VALUES(" + marks + ")");
        for (const auto& row : rows) {
            bindCells(insert, row);
            insert.step();
            insert.reset();
        }
        raw.exec("COMMIT");
    });
}

}  // namespace vx::bench
