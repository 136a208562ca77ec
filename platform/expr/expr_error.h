#pragma once
// Why an expression or order text could not be used: where, and what was wrong there.

#include <cstddef>
#include <string>

namespace vx::expr {

struct ExprError {
    // 1-based character position in the text (one past the end for a text that stops short).
    std::size_t position = 0;
    std::string message;

    // "position 12: expected ')'"
    std::string describe() const;
};

}  // namespace vx::expr
