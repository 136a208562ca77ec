#pragma once
// The program-level variables by name, as a user would read them: texts without
// trailing blanks, numbers in their plain form (a LONG date is a number too),
// a packed DATE as dd.mm.yyyy. A name may be written with ":" or "_" (GLO:FILTER,
// GLO_FILTER); a cell of the accumulator matrix as DM[row,column], from 1.

#include <optional>
#include <string>
#include <string_view>

namespace vx::script {

// nullopt for a name that is no program-level variable.
std::optional<std::string> programGlobal(std::string_view name);

}  // namespace vx::script
