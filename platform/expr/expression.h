#pragma once
// A filter expression compiled once and evaluated many times:
//
//   Bindings names;
//   names.bind("PAS:IDHOZ", [&] { return Value(pas.IDHOZ); });
//   Expression f = Expression::compile("(pas:idhoz = 12) and (UPPER(pas:fio) = 'ИВАНОВ')", names);
//   if (!f.ok()) report(f.error()->describe());
//   for (each record) if (f.test()) ...
//
// Compiling never throws: a syntax error or an unknown name makes an expression that
// is not ok and carries the error. Copies share the compiled tree.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/value.h"
#include "platform/expr/bindings.h"
#include "platform/expr/expr_error.h"

namespace vx::expr {

class Node;

class Expression {
public:
    // Names are resolved now; the getters found are called at every evaluation.
    static Expression compile(std::string_view text, const Bindings& names);

    bool ok() const { return root_ != nullptr; }
    const std::optional<ExprError>& error() const { return error_; }
    const std::string& text() const { return text_; }

    // The value of the expression; 0 for one that is not ok.
    Value evaluate() const;
    // The expression as a condition (a non-zero number, a non-blank text); false when not ok.
    bool test() const;

private:
    std::string text_;
    std::shared_ptr<const Node> root_;
    std::optional<ExprError> error_;
};

}  // namespace vx::expr
