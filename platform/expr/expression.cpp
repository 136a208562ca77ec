#include "platform/expr/expression.h"

#include <exception>

#include "platform/expr/parser.h"

namespace vx::expr {

Expression Expression::compile(std::string_view text, const Bindings& names) {
    Expression e;
    try {
        e.text_ = std::string(text);
        ParseResult parsed = parseExpression(e.text_, names);
        e.root_ = std::move(parsed.root);
        e.error_ = std::move(parsed.error);
    } catch (const std::exception&) {
        // Out of memory on a huge text: the expression is unusable, not the program.
        e.root_.reset();
        e.error_ = ExprError{1, "expression too large"};
    }
    return e;
}

// A getter or an allocation that throws turns into "no value" here, so a filter never
// throws into the loop that runs it.
Value Expression::evaluate() const {
    if (!root_) return Value();
    try {
        return root_->eval().value;
    } catch (const std::exception&) {
        return Value();
    }
}

bool Expression::test() const {
    if (!root_) return false;
    try {
        return root_->eval().value.truthy();
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace vx::expr
