#pragma once
// A scan's conditions (ScanSpec::where) as SQL: the rows it leaves out are never
// read into the program.

#include <string>
#include <utility>
#include <vector>

#include "platform/store/layout.h"
#include "platform/store/row_codec.h"

namespace vx::store::detail {

struct Filter {
    std::string sql;                          // over ?1..?n; "" when every row passes
    std::vector<std::pair<int, Cell>> values;  // the field and the value of ?1..?n
};

// false with `problem` set when a condition names no field of the file or orders a text.
bool filterOf(const FileLayout& layout, const std::vector<Condition>& where, Filter& out, std::string* problem);
// Binds the values at ?1..?n.
void bindFilter(Statement& s, const FileLayout& layout, const Filter& filter);

}  // namespace vx::store::detail
