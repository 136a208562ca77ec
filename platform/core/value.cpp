#include "platform/core/value.h"

namespace vx {

Decimal Value::toNumber() const { return isNumber() ? number() : Decimal::fromText(text()); }

std::string Value::toText() const { return isNumber() ? number().plain() : text(); }

bool Value::truthy() const {
    if (isNumber()) return !number().isZero();
    return text().find_first_not_of(' ') != std::string::npos;
}

}  // namespace vx
