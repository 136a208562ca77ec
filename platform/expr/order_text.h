#pragma once
// Order texts: "+VPO:idtask,+VPO:datatask", "-X", "PAS:idhoz". Items are separated
// by commas; '+' or no sign is ascending, '-' descending; blanks are allowed around
// signs, names and commas. A blank text is no order at all.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/expr/expr_error.h"

namespace vx::expr {

struct OrderField {
    std::string name;  // as written; names compare case-insensitively
    bool descending = false;

    friend bool operator==(const OrderField&, const OrderField&) = default;
};

struct OrderText {
    std::vector<OrderField> fields;  // empty when error is set
    std::optional<ExprError> error;

    bool ok() const { return !error; }
};

OrderText parseOrderText(std::string_view text);

}  // namespace vx::expr
