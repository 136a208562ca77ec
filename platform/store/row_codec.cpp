#include "platform/store/row_codec.h"

#include "platform/core/fields.h"
#include "platform/core/text.h"

namespace vx::store::detail {

namespace {

void* fieldAddr(const FieldDef& f, const void* record) { return f.addr(const_cast<void*>(record)); }

int64_t storedNumber(const FieldDef& f, const void* record) {
    void* p = fieldAddr(f, record);
    switch (f.type) {
    case FieldType::Byte: return *static_cast<const Byte*>(p);
    case FieldType::Long: return *static_cast<const Long*>(p);
    case FieldType::Decimal: {
        const Dec& d = *static_cast<const Dec*>(p);
        return d.places() == f.places ? d.mantissa() : d.value().scaledTo(f.places);
    }
    default: return 0;
    }
}

}  // namespace

void RowCache::append(sqlite3_stmt* stmt, const std::vector<int>& fields) {
    const std::size_t w = width();
    if (pos_.size() <= rows_) {
        pos_.resize(rows_ + 1);
        cells_.resize((rows_ + 1) * w);
    }
    pos_[rows_] = sqlite3_column_int64(stmt, 0);
    Cell* row = &cells_[rows_ * w];
    int col = 0;
    for (int f : fields) {
        ++col;
        if (layout_.isText(f)) {
            const unsigned char* text = sqlite3_column_text(stmt, col);
            row[f].text.assign(text ? reinterpret_cast<const char*>(text) : "",
                               static_cast<std::size_t>(sqlite3_column_bytes(stmt, col)));
        } else {
            row[f].number = sqlite3_column_int64(stmt, col);
        }
    }
    ++rows_;
}

void RowCache::decode(std::size_t row, void* record, const std::vector<int>& fields) const {
    const Cell* cells = &cells_[row * width()];
    for (int i : fields) {
        const FieldDef& f = layout_.def.fields[i];
        void* p = f.addr(record);
        switch (f.type) {
        case FieldType::Byte: *static_cast<Byte*>(p) = static_cast<Byte>(cells[i].number); break;
        case FieldType::Long: *static_cast<Long*>(p) = static_cast<Long>(cells[i].number); break;
        case FieldType::Decimal: {
            Dec& d = *static_cast<Dec*>(p);
            if (d.places() == f.places) d.setMantissa(cells[i].number);
            else d = Decimal::fromMantissa(cells[i].number, f.places);
            break;
        }
        case FieldType::String:
        case FieldType::Memo: *static_cast<Str*>(p) = std::string_view(cells[i].text); break;
        }
    }
}

void bindRecord(Statement& s, const FileLayout& layout, const void* record, std::vector<std::string>& folded) {
    const auto& fields = layout.def.fields;
    int param = 1;
    for (std::size_t i = 0; i < fields.size(); ++i, ++param) {
        if (layout.isText(static_cast<int>(i)))
            s.bind(param, std::string_view(static_cast<const Str*>(fieldAddr(fields[i], record))->str()));
        else s.bind(param, storedNumber(fields[i], record));
    }
    folded.resize(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!layout.keyColumn[i]) continue;
        folded[i] = keyFold(static_cast<const Str*>(fieldAddr(fields[i], record))->str());
        s.bind(param++, std::string_view(folded[i]));
    }
}

bool differs(const FileLayout& layout, int field, const Cell& stored, const void* record) {
    const FieldDef& f = layout.def.fields[field];
    if (layout.isText(field)) return static_cast<const Str*>(fieldAddr(f, record))->str() != stored.text;
    return storedNumber(f, record) != stored.number;
}

int bindField(Statement& s, int param, const FileLayout& layout, int field, const void* record, std::string& folded) {
    const FieldDef& f = layout.def.fields[field];
    if (!layout.isText(field)) {
        s.bind(param, storedNumber(f, record));
        return param + 1;
    }
    const std::string& text = static_cast<const Str*>(fieldAddr(f, record))->str();
    s.bind(param++, std::string_view(text));
    if (layout.keyColumn[field]) {
        folded = keyFold(text);
        s.bind(param++, std::string_view(folded));
    }
    return param;
}

Cell cellOf(const FileLayout& layout, int field, bool folded, const Value& v) {
    const FieldDef& f = layout.def.fields[field];
    Cell c;
    switch (f.type) {
    case FieldType::Byte: c.number = static_cast<Byte>(v.toNumber().toInt64()); break;
    case FieldType::Long: c.number = static_cast<Long>(v.toNumber().toInt64()); break;
    case FieldType::Decimal: c.number = v.toNumber().scaledTo(f.places); break;
    case FieldType::String:
    case FieldType::Memo: {
        const std::string text = clip(firstChars(v.toText(), f.size));
        c.text = folded ? keyFold(text) : text;
        break;
    }
    }
    return c;
}

void columnCell(const Cell& stored, bool folded, Cell& out) {
    out.number = stored.number;
    if (folded) out.text = keyFold(stored.text);
    else out.text = stored.text;
}

void bindCell(Statement& s, int param, const FileLayout& layout, int field, const Cell& cell) {
    if (layout.isText(field)) s.bind(param, std::string_view(cell.text));
    else s.bind(param, cell.number);
}

}  // namespace vx::store::detail
