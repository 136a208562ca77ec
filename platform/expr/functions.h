#pragma once
// The functions a filter expression may call: UPPER(x), CLIP(x) and
// INSTRING(sub, text [, step [, start]]). Names are case-insensitive.

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/expr/nodes.h"

namespace vx::expr {

struct FunctionDef {
    std::string_view name;
    std::size_t minArgs;
    std::size_t maxArgs;
    NodePtr (*make)(std::vector<NodePtr> args);
};

// nullptr for a name that is no function.
const FunctionDef* findFunction(std::string_view name);

}  // namespace vx::expr
