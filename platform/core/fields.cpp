#include "platform/core/fields.h"

#include <limits>

#include "platform/core/text.h"

namespace vx {

// Into the text's own room: a record read again and again allocates nothing.
void Str::assign(std::string_view s) { v_.assign(clippedPrefix(s, n_)); }

std::string Str::padded() const { return padTo(v_, n_); }

bool operator==(const Str& a, std::string_view b) { return equalText(a.v_, b); }

CStr& CStr::operator=(std::string_view s) {
    v_ = n_ == 0 ? std::string() : firstChars(s, n_ - 1u);
    return *this;
}

bool decimalHolds(const Decimal& n, int digits, int places) {
    Decimal limit(1);
    for (int i = places; i < digits; ++i) limit = limit * Decimal(10);
    return n.rounded(places).abs() < limit;
}

bool longHolds(const Decimal& n) {
    return n.rounded(0) == n && n >= Decimal(std::numeric_limits<Long>::min()) &&
           n <= Decimal(std::numeric_limits<Long>::max());
}

bool byteHolds(const Decimal& n) { return n.rounded(0) == n && n >= Decimal(0) && n <= Decimal(255); }

}  // namespace vx
