#include "platform/store/schema.h"

#include "platform/core/text.h"

namespace vx::store {

namespace {

template <class T>
T& member(const FieldDef& f, void* record) {
    return *static_cast<T*>(f.addr(record));
}

template <class T>
const T& member(const FieldDef& f, const void* record) {
    return *static_cast<const T*>(f.addr(const_cast<void*>(record)));
}

bool fieldBlank(const FieldDef& f, const void* record) {
    switch (f.type) {
    case FieldType::Byte: return member<Byte>(f, record) == 0;
    case FieldType::Long: return member<Long>(f, record) == 0;
    case FieldType::Decimal: return member<Dec>(f, record).isZero();
    case FieldType::String:
    case FieldType::Memo: return member<Str>(f, record).blank();
    }
    return true;
}

}  // namespace

int FileDef::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (compareTextNoCase(fields[i].name, name) == 0) return static_cast<int>(i);
    return -1;
}

std::vector<int> FileDef::fieldIndexes(std::initializer_list<std::string_view> names) const {
    std::vector<int> out;
    out.reserve(names.size());
    for (std::string_view name : names) out.push_back(fieldIndex(name));
    return out;
}

int FileDef::keyIndex(std::string_view name) const {
    if (const std::size_t colon = name.find(':'); colon != std::string_view::npos) {
        if (compareTextNoCase(name.substr(0, colon), prefix) != 0) return -1;
        name = name.substr(colon + 1);
    }
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (compareTextNoCase(keys[i].name, name) == 0) return static_cast<int>(i);
    return -1;
}

int FileDef::memoIndex() const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].type == FieldType::Memo) return static_cast<int>(i);
    return -1;
}

Value getField(const FieldDef& f, const void* record) {
    switch (f.type) {
    case FieldType::Byte: return Value(static_cast<int>(member<Byte>(f, record)));
    case FieldType::Long: return Value(static_cast<long>(member<Long>(f, record)));
    case FieldType::Decimal: return Value(member<Dec>(f, record).value());
    case FieldType::String:
    case FieldType::Memo: return Value(member<Str>(f, record).str());
    }
    return Value();
}

void setField(const FieldDef& f, void* record, const Value& v) {
    switch (f.type) {
    case FieldType::Byte: member<Byte>(f, record) = static_cast<Byte>(v.toNumber().toInt64()); break;
    case FieldType::Long: member<Long>(f, record) = static_cast<Long>(v.toNumber().toInt64()); break;
    case FieldType::Decimal: member<Dec>(f, record) = v.toNumber(); break;
    case FieldType::String:
    case FieldType::Memo: member<Str>(f, record) = v.toText(); break;
    }
}

void clearRecord(const FileDef& def, void* record) {
    for (const FieldDef& f : def.fields) {
        switch (f.type) {
        case FieldType::Byte: member<Byte>(f, record) = 0; break;
        case FieldType::Long: member<Long>(f, record) = 0; break;
        case FieldType::Decimal: member<Dec>(f, record) = 0; break;
        case FieldType::String:
        case FieldType::Memo: member<Str>(f, record).clear(); break;
        }
    }
}

bool sameRecord(const FileDef& def, const void* a, const void* b) {
    for (const FieldDef& f : def.fields) {
        bool same = true;
        switch (f.type) {
        case FieldType::Byte: same = member<Byte>(f, a) == member<Byte>(f, b); break;
        case FieldType::Long: same = member<Long>(f, a) == member<Long>(f, b); break;
        case FieldType::Decimal: same = member<Dec>(f, a).value() == member<Dec>(f, b).value(); break;
        case FieldType::String:
        case FieldType::Memo: same = member<Str>(f, a) == member<Str>(f, b); break;
        }
        if (!same) return false;
    }
    return true;
}

bool keyIsBlank(const FileDef& def, const KeyDef& key, const void* record) {
    for (int i : key.fields)
        if (!fieldBlank(def.fields[i], record)) return false;
    return true;
}

bool fieldHolds(const FieldDef& f, const Decimal& n) {
    switch (f.type) {
    case FieldType::Byte: return byteHolds(n);
    case FieldType::Long: return longHolds(n);
    case FieldType::Decimal: return decimalHolds(n, f.size, f.places);
    default: return true;
    }
}

}  // namespace vx::store
