#include "platform/expr/operand.h"
#include "platform/core/text.h"

namespace vx::expr {
namespace {

int sign(int c) { return c < 0 ? -1 : (c > 0 ? 1 : 0); }

int compareNumberWithText(const Decimal& number, const std::string& text) {
    if (auto read = Decimal::parse(text)) return sign(compare(number, *read));
    return sign(compareText(number.plain(), text));
}

}  // namespace

int compareOperands(const Operand& a, const Operand& b) {
    const Decimal* x = numberOf(a);
    const Decimal* y = numberOf(b);
    if (x && y) return compare(*x, *y);
    if (x) return compareNumberWithText(*x, b.value.text());
    if (y) return -compareNumberWithText(*y, a.value.text());
    return compareText(a.value.text(), b.value.text());
}

}  // namespace vx::expr
