#pragma once
// A dynamically typed value: a number (exact decimal) or a text. This is what
// filter expressions, pictures and generic field access trade in.

#include <string>
#include <string_view>
#include <variant>

#include "platform/core/decimal.h"

namespace vx {

class Value {
public:
    Value() : v_(Decimal()) {}
    Value(const Decimal& d) : v_(d) {}
    Value(int v) : v_(Decimal(v)) {}
    Value(long v) : v_(Decimal(v)) {}
    Value(long long v) : v_(Decimal(v)) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(std::string_view s) : v_(std::string(s)) {}
    Value(const char* s) : v_(std::string(s)) {}

    bool isNumber() const { return std::holds_alternative<Decimal>(v_); }
    bool isText() const { return std::holds_alternative<std::string>(v_); }

    // The number; a text converts by the platform's text-to-number rule (leading number, else 0).
    Decimal toNumber() const;
    // The text; a number converts to its plain form.
    std::string toText() const;
    // Truth of a bare value used as a condition: a non-zero number, a non-blank text.
    bool truthy() const;

    const Decimal& number() const { return std::get<Decimal>(v_); }
    const std::string& text() const { return std::get<std::string>(v_); }

private:
    std::variant<Decimal, std::string> v_;
};

}  // namespace vx
