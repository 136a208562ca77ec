#pragma once
// Recursive-descent parser of filter expressions. Lowest to highest precedence:
// OR, AND, NOT, comparisons (= <> < > <= >= => =<), + -, * /, unary + -.
// Names are resolved against the bindings while parsing.

#include <optional>
#include <string_view>

#include "platform/expr/bindings.h"
#include "platform/expr/expr_error.h"
#include "platform/expr/nodes.h"

namespace vx::expr {

// Deepest nesting of parentheses and prefix operators, and deepest tree, accepted;
// far beyond any real filter, low enough for a window's stack.
inline constexpr int kMaxExpressionDepth = 32;

struct ParseResult {
    NodePtr root;  // null when error is set
    std::optional<ExprError> error;
};

ParseResult parseExpression(std::string_view text, const Bindings& names);

}  // namespace vx::expr
