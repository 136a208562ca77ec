#include "platform/ui/binding.h"

#include <algorithm>
#include <limits>

namespace vx::ui {

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

int64_t wholeNumber(const Value& v) { return v.toNumber().toInt64(); }

}  // namespace

Binding Binding::custom(Getter get, Setter set) {
    Binding b;
    b.ref_ = Custom{std::move(get), std::move(set)};
    return b;
}

Value Binding::read() const {
    return std::visit(Overloaded{
                          [](std::monostate) { return Value(""); },
                          [](Str* s) { return Value(s->str()); },
                          [](CStr* s) { return Value(s->str()); },
                          [](Dec* d) { return Value(d->value()); },
                          [](Long* l) { return Value(static_cast<long>(*l)); },
                          [](Byte* b) { return Value(static_cast<int>(*b)); },
                          [](PackedDate* p) { return Value(static_cast<long>(p->toDayNumber())); },
                          [](std::string* s) { return Value(*s); },
                          [](const Custom& c) { return c.get ? c.get() : Value(""); },
                      },
                      ref_);
}

bool Binding::holds(const Value& v) const {
    const Decimal n = v.toNumber();
    return std::visit(Overloaded{
                          [&](Dec* d) { return decimalHolds(n, d->digits(), d->places()); },
                          [&](Long*) { return longHolds(n); },
                          [&](Byte*) { return byteHolds(n); },
                          [](const auto&) { return true; },
                      },
                      ref_);
}

void Binding::write(const Value& v) const {
    std::visit(Overloaded{
                   [](std::monostate) {},
                   [&](Str* s) { *s = v.toText(); },
                   [&](CStr* s) { *s = v.toText(); },
                   [&](Dec* d) { *d = v.toNumber(); },
                   [&](Long* l) {
                       const int64_t n = wholeNumber(v);
                       *l = static_cast<Long>(
                           std::clamp<int64_t>(n, std::numeric_limits<Long>::min(), std::numeric_limits<Long>::max()));
                   },
                   // A BYTE keeps the low eight bits, as the platform stores one.
                   [&](Byte* b) { *b = static_cast<Byte>(wholeNumber(v) & 0xFF); },
                   [&](PackedDate* p) {
                       const int64_t n = wholeNumber(v);
                       *p = PackedDate::fromDayNumber(n < 0 || n > kLastDayNumber ? 0 : static_cast<int32_t>(n));
                   },
                   [&](std::string* s) { *s = v.toText(); },
                   [&](const Custom& c) {
                       if (c.set) c.set(v);
                   },
               },
               ref_);
}

}  // namespace vx::ui
