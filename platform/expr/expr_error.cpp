#include "platform/expr/expr_error.h"

namespace vx::expr {

std::string ExprError::describe() const { return "position " + std::to_string(position) + ": " + message; }

}  // namespace vx::expr
