#pragma once
// Logical layout of a record file: its fields, keys and record operations.
// The dictionary describes the 18 files with these; the store, the managers,
// views and filter expressions work from them generically.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/fields.h"
#include "platform/core/value.h"

namespace vx::store {

enum class FieldType : uint8_t { Byte, Long, Decimal, String, Memo };

struct FieldDef {
    std::string name;  // without prefix: "DATAROG"
    FieldType type;
    uint16_t size;   // characters (String, Memo) or digits (Decimal); bytes for Byte/Long
    uint8_t places;  // Decimal places
    // Address of the member in a record: Byte*, Long*, Dec*, Str* (String and Memo).
    void* (*addr)(void* record);
};

struct KeyDef {
    std::string name;         // "K1"
    std::string description;  // "Инвентарный номер"
    std::vector<int> fields;  // components, indexes into FileDef::fields, all ascending
    bool unique = false;
    bool primary = false;
    bool blanksKept = false;  // false: a record whose components are all blank or zero has no entry
    bool autoNumber = false;  // the last component is numbered by the file manager
};

struct RecordOps {
    void* (*create)();
    void (*destroy)(void*);
    void (*copy)(void* dst, const void* src);
};

struct FileDef {
    std::string label;             // "PASPORT"
    std::string prefix;            // "PAS"
    std::vector<FieldDef> fields;  // layout order; a memo, if any, comes last
    std::vector<KeyDef> keys;
    RecordOps ops;

    // Field by name without prefix, case-insensitive; -1 when unknown.
    int fieldIndex(std::string_view name) const;
    // Those of several names, in their order (what a scan reads: ScanSpec::fields).
    std::vector<int> fieldIndexes(std::initializer_list<std::string_view> names) const;
    // Key by name ("K1") or by "PRE:K1", case-insensitive; -1 when unknown.
    int keyIndex(std::string_view name) const;
    int memoIndex() const;  // -1 when the file has no memo
};

// Generic field access. Texts come back without trailing spaces. Storing a value
// converts it as an assignment would: a text is cut to the field's size, a number
// is rounded to a DECIMAL's places, and cut toward zero for BYTE and LONG.
Value getField(const FieldDef& f, const void* record);
void setField(const FieldDef& f, void* record, const Value& v);
// Whether a numeric field stores the whole number `n` as it is (a BYTE's 0..255, a
// LONG's range, a DECIMAL's integer digits); any other field: true.
bool fieldHolds(const FieldDef& f, const Decimal& n);
// Every string blank, every number 0.
void clearRecord(const FileDef& def, void* record);
// Field-by-field equality (texts ignoring trailing spaces).
bool sameRecord(const FileDef& def, const void* a, const void* b);
// True when every component of the key is blank or zero in the record.
bool keyIsBlank(const FileDef& def, const KeyDef& key, const void* record);

// Helpers the dictionary uses to describe a record struct.
template <class R>
RecordOps recordOps() {
    return RecordOps{
        []() -> void* { return new R(); },
        [](void* p) { delete static_cast<R*>(p); },
        [](void* d, const void* s) { *static_cast<R*>(d) = *static_cast<const R*>(s); },
    };
}

}  // namespace vx::store

// Field descriptors of a record struct R: VX_BYTE(R, CHEK), VX_LONG(R, ID),
// VX_DEC(R, IDHOZ, 3, 0), VX_STR(R, NAME, 40), VX_MEMO(R, PRIM, 3000).
#define VX_FIELD_ADDR(R, M) [](void* r) -> void* { return &static_cast<R*>(r)->M; }
#define VX_BYTE(R, M) \
    ::vx::store::FieldDef { #M, ::vx::store::FieldType::Byte, 1, 0, VX_FIELD_ADDR(R, M) }
#define VX_LONG(R, M) \
    ::vx::store::FieldDef { #M, ::vx::store::FieldType::Long, 4, 0, VX_FIELD_ADDR(R, M) }
#define VX_DEC(R, M, D, P) \
    ::vx::store::FieldDef { #M, ::vx::store::FieldType::Decimal, D, P, VX_FIELD_ADDR(R, M) }
#define VX_STR(R, M, N) \
    ::vx::store::FieldDef { #M, ::vx::store::FieldType::String, N, 0, VX_FIELD_ADDR(R, M) }
#define VX_MEMO(R, M, N) \
    ::vx::store::FieldDef { #M, ::vx::store::FieldType::Memo, N, 0, VX_FIELD_ADDR(R, M) }
