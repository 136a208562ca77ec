#pragma once
// Keys described by field names, resolved to the field indexes of a layout.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/store/schema.h"

namespace vx::dct {

// Key attributes besides "duplicates, case-insensitive, blank entries left out".
enum KeyFlag : unsigned {
    Duplicates = 0,
    Unique = 1u << 0,
    Primary = 1u << 1,
    BlanksKept = 1u << 2,
    AutoNumber = 1u << 3,
};

// Throws std::logic_error for a component that is not a field of `fields`.
store::KeyDef key(const std::vector<store::FieldDef>& fields, std::string name, std::string description,
                  std::initializer_list<std::string_view> components, unsigned flags = Duplicates);

}  // namespace vx::dct
