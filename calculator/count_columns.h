#pragma once
// The columns of a count list, one table for its layout and for its browse's fields.

#include <vector>

#include "calculator/count_kinds.h"

namespace vx::calculator {

enum class ColumnFile { Count, Scheme, Species, Group };

struct CountColumn {
    const char* title;
    ColumnFile file;
    const char* field;
    const char* picture;
    int width;  // characters; 0: the title's
    bool icons;
};

std::vector<CountColumn> countColumns(const CountKind& k);

}  // namespace vx::calculator
