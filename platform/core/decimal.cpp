#include "platform/core/decimal.h"

#include <algorithm>
#include <limits>

namespace vx {

namespace {

using i128 = __int128;
using u128 = unsigned __int128;

constexpr i128 kI128Max = static_cast<i128>(~static_cast<u128>(0) >> 1);
constexpr i128 kI128Min = -kI128Max - 1;
constexpr int kMaxPow10 = 38;
// Significant digits kept by the plain text form.
constexpr int kPlainDigits = 15;

constexpr u128 pow10u(int n) {
    u128 p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

struct Pow10Table {
    u128 v[kMaxPow10 + 1];
    constexpr Pow10Table() : v() {
        for (int i = 0; i <= kMaxPow10; ++i) v[i] = pow10u(i);
    }
};
constexpr Pow10Table kPow10;

i128 pow10(int n) { return static_cast<i128>(kPow10.v[n]); }

u128 magnitude(i128 m) { return m < 0 ? static_cast<u128>(0) - static_cast<u128>(m) : static_cast<u128>(m); }

// m / 10^k, halves away from zero.
i128 roundDown(i128 m, int k) {
    if (k <= 0) return m;
    if (k > kMaxPow10) return 0;
    const u128 div = kPow10.v[k];
    const u128 mag = magnitude(m);
    u128 q = mag / div;
    const u128 r = mag % div;
    if (r >= div - r) ++q;  // r * 2 >= div without overflow
    return m < 0 ? -static_cast<i128>(q) : static_cast<i128>(q);
}

// m * 10^k, false on overflow.
bool scaleUp(i128 m, int k, i128& out) {
    if (k <= 0) {
        out = m;
        return true;
    }
    if (k > kMaxPow10) {
        out = 0;
        return m == 0;
    }
    return !__builtin_mul_overflow(m, pow10(k), &out);
}

i128 saturated(bool negative) { return negative ? kI128Min : kI128Max; }

int digitCount(u128 v) {
    int n = 1;
    while (n <= kMaxPow10 && v >= kPow10.v[n]) ++n;
    return n;
}

// Brings two operands to one scale. Scaling up the coarser one may overflow; then
// the finer one is rounded down instead, which only drops digits far below the value.
int alignScales(i128& a, int as, i128& b, int bs) {
    while (as != bs) {
        if (as < bs) {
            i128 up;
            if (scaleUp(a, bs - as, up)) {
                a = up;
                as = bs;
            } else {
                b = roundDown(b, 1);
                --bs;
            }
        } else {
            i128 up;
            if (scaleUp(b, as - bs, up)) {
                b = up;
                bs = as;
            } else {
                a = roundDown(a, 1);
                --as;
            }
        }
    }
    return as;
}

Decimal addMantissas(i128 a, int as, i128 b, int bs) {
    int s = alignScales(a, as, b, bs);
    i128 sum;
    while (__builtin_add_overflow(a, b, &sum)) {
        if (s == 0) return Decimal::fromMantissa(saturated(a < 0), 0);
        a = roundDown(a, 1);
        b = roundDown(b, 1);
        --s;
    }
    return Decimal::fromMantissa(sum, s);
}

std::string digitsOf(u128 v) {
    if (v == 0) return "0";
    char buf[48];
    int n = 0;
    while (v != 0) {
        buf[n++] = static_cast<char>('0' + static_cast<int>(v % 10));
        v /= 10;
    }
    std::string out(n, '0');
    for (int i = 0; i < n; ++i) out[i] = buf[n - 1 - i];
    return out;
}

// Text of mantissa / 10^scale with exactly `scale` places.
std::string render(i128 m, int scale) {
    std::string digits = digitsOf(magnitude(m));
    if (scale > 0) {
        if (static_cast<int>(digits.size()) <= scale) digits.insert(0, scale + 1 - digits.size(), '0');
        digits.insert(digits.size() - scale, 1, '.');
    }
    if (m < 0) digits.insert(0, 1, '-');
    return digits;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads "[-+]digits[.digits]" from the start of text. Returns the characters used (0: no number).
std::size_t scanNumber(std::string_view text, Decimal& out, bool& overflow) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    i128 m = 0;
    int scale = 0;
    bool anyDigit = false;
    bool roundUp = false;
    bool roundDecided = false;
    overflow = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        anyDigit = true;
        if (__builtin_mul_overflow(m, 10, &m) || __builtin_add_overflow(m, text[i] - '0', &m)) overflow = true;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        for (; j < text.size() && isDigit(text[j]); ++j) {
            anyDigit = true;
            i128 next;
            if (scale < Decimal::kMaxScale && !__builtin_mul_overflow(m, 10, &next) &&
                !__builtin_add_overflow(next, text[j] - '0', &next)) {
                m = next;
                ++scale;
            } else if (!roundDecided) {
                roundUp = text[j] >= '5';
                roundDecided = true;
            }
        }
        if (anyDigit) i = j;
    }
    if (!anyDigit) return 0;
    if (roundUp) ++m;
    out = Decimal::fromMantissa(negative ? -m : m, scale);
    return i;
}

}  // namespace

Decimal Decimal::fromMantissa(__int128 mantissa, int scale) {
    Decimal d;
    if (scale < 0) {
        if (!scaleUp(mantissa, -scale, d.m_)) d.m_ = saturated(mantissa < 0);
        d.s_ = 0;
    } else if (scale > kMaxScale) {
        d.m_ = roundDown(mantissa, scale - kMaxScale);
        d.s_ = kMaxScale;
    } else {
        d.m_ = mantissa;
        d.s_ = scale;
    }
    return d;
}

std::optional<Decimal> Decimal::parse(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    Decimal d;
    bool overflow = false;
    const std::size_t used = scanNumber(text, d, overflow);
    if (used == 0 || used != text.size() || overflow) return std::nullopt;
    return d;
}

Decimal Decimal::fromText(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    Decimal d;
    bool overflow = false;
    if (scanNumber(text, d, overflow) == 0 || overflow) return Decimal();
    return d;
}

Decimal Decimal::rounded(int places) const {
    places = std::max(places, 0);
    if (places >= s_) return *this;
    return fromMantissa(roundDown(m_, s_ - places), places);
}

Decimal Decimal::intPart() const { return fromMantissa(m_ / pow10(s_), 0); }

Decimal Decimal::fraction() const { return fromMantissa(m_ % pow10(s_), s_); }

Decimal Decimal::abs() const { return m_ < 0 ? -*this : *this; }

int64_t Decimal::toInt64() const {
    const i128 v = m_ / pow10(s_);
    if (v > std::numeric_limits<int64_t>::max()) return std::numeric_limits<int64_t>::max();
    if (v < std::numeric_limits<int64_t>::min()) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(v);
}

int64_t Decimal::scaledTo(int places) const {
    places = std::max(places, 0);
    i128 v;
    if (places >= s_) {
        if (!scaleUp(m_, places - s_, v)) v = saturated(m_ < 0);
    } else {
        v = roundDown(m_, s_ - places);
    }
    if (v > std::numeric_limits<int64_t>::max()) return std::numeric_limits<int64_t>::max();
    if (v < std::numeric_limits<int64_t>::min()) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(v);
}

std::string Decimal::plain() const {
    i128 m = m_;
    int s = s_;
    // Keep at most 15 significant digits, but never cut the integer part.
    const int excess = digitCount(magnitude(m)) - kPlainDigits;
    if (excess > 0 && s > 0) {
        const int drop = std::min(excess, s);
        m = roundDown(m, drop);
        s -= drop;
    }
    while (s > 0 && m % 10 == 0) {
        m /= 10;
        --s;
    }
    return render(m, s);
}

std::string Decimal::fixed(int places) const {
    places = std::max(places, 0);
    const Decimal r = rounded(places);
    i128 m;
    if (!scaleUp(r.m_, places - r.s_, m)) return r.plain();
    return render(m, places);
}

Decimal operator+(const Decimal& a, const Decimal& b) { return addMantissas(a.m_, a.s_, b.m_, b.s_); }

Decimal operator-(const Decimal& a, const Decimal& b) { return a + (-b); }

Decimal operator*(const Decimal& a, const Decimal& b) {
    i128 am = a.m_, bm = b.m_;
    int as = a.s_, bs = b.s_;
    i128 product;
    // On overflow drop a place of the finer operand; only far-away digits are lost.
    while (__builtin_mul_overflow(am, bm, &product)) {
        if (as == 0 && bs == 0) return Decimal::fromMantissa(saturated((am < 0) != (bm < 0)), 0);
        if (as >= bs) {
            am = roundDown(am, 1);
            --as;
        } else {
            bm = roundDown(bm, 1);
            --bs;
        }
    }
    return Decimal::fromMantissa(product, as + bs);
}

Decimal operator/(const Decimal& a, const Decimal& b) {
    if (b.m_ == 0 || a.m_ == 0) return Decimal();
    const bool negative = (a.m_ < 0) != (b.m_ < 0);
    u128 num = magnitude(a.m_);
    u128 den = magnitude(b.m_);
    // The remainder is multiplied by 10 below; keep the divisor small enough for that.
    int as = a.s_, bs = b.s_;
    while (den > kPow10.v[kMaxPow10 - 1]) {
        den = magnitude(roundDown(static_cast<i128>(den), 1));
        --bs;
    }
    int target = std::min(std::max({Decimal::kDivisionScale, as, bs}), Decimal::kMaxScale);
    // value = num/den * 10^(bs - as); mantissa at scale `target` = num/den * 10^(target + bs - as)
    int steps = target + bs - as;
    u128 q = num / den;
    u128 r = num % den;
    while (steps < 0) {
        r = 0;
        q /= 10;
        ++steps;
    }
    const u128 qLimit = static_cast<u128>(kI128Max) / 10;
    for (; steps > 0; --steps) {
        if (q > qLimit) break;
        r *= 10;
        q = q * 10 + r / den;
        r %= den;
    }
    target -= steps;  // places left over when the quotient grew too large
    if (r >= den - r && q < static_cast<u128>(kI128Max)) ++q;
    i128 m = static_cast<i128>(q);
    while (target > 0 && m % 10 == 0) {
        m /= 10;
        --target;
    }
    return Decimal::fromMantissa(negative ? -m : m, target);
}

Decimal Decimal::operator-() const {
    Decimal d;
    d.m_ = m_ == kI128Min ? kI128Max : -m_;
    d.s_ = s_;
    return d;
}

int compare(const Decimal& a, const Decimal& b) {
    if (a.s_ == b.s_) return a.m_ < b.m_ ? -1 : (a.m_ > b.m_ ? 1 : 0);
    if (a.sign() != b.sign()) return a.sign() < b.sign() ? -1 : 1;
    const int s = std::max(a.s_, b.s_);
    i128 am, bm;
    if (scaleUp(a.m_, s - a.s_, am) && scaleUp(b.m_, s - b.s_, bm)) return am < bm ? -1 : (am > bm ? 1 : 0);
    // Too large to align: integer parts differ or fractions decide.
    const i128 ai = a.m_ / pow10(a.s_), bi = b.m_ / pow10(b.s_);
    if (ai != bi) return ai < bi ? -1 : 1;
    const i128 af = (a.m_ % pow10(a.s_)) * pow10(s - a.s_);
    const i128 bf = (b.m_ % pow10(b.s_)) * pow10(s - b.s_);
    return af < bf ? -1 : (af > bf ? 1 : 0);
}

}  // namespace vx
