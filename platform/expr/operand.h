#pragma once
// What a node of a compiled expression yields.

#include <optional>

#include "platform/core/decimal.h"
#include "platform/core/value.h"

namespace vx::expr {

struct Operand {
    Value value;
    // Set on a text made from a number (UPPER or CLIP of a number), so that text still
    // compares and computes as that number: UPPER(PAS:IDHOZ) = '5' holds for 5.
    std::optional<Decimal> sourceNumber;
};

// The number an operand stands for, when it is a number or a text made from one.
inline const Decimal* numberOf(const Operand& o) {
    if (o.value.isNumber()) return &o.value.number();
    if (o.sourceNumber) return &*o.sourceNumber;
    return nullptr;
}

// The operand as a number for arithmetic: a plain text converts by its leading number.
inline Decimal toNumber(const Operand& o) {
    if (const Decimal* n = numberOf(o)) return *n;
    return o.value.toNumber();
}

// <0, 0, >0. Two numbers compare as numbers; a number and a text that reads wholly as a
// number (blanks around allowed) compare as numbers; otherwise the texts compare, a number
// by its plain text, trailing spaces not counting and case counting.
int compareOperands(const Operand& a, const Operand& b);

}  // namespace vx::expr
