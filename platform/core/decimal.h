#pragma once
// Exact decimal arithmetic: a signed 128-bit mantissa with a decimal scale.
// Every number on a data path (counts, ids, dates as day numbers, sums,
// percentages) goes through this type; binary floating point never does.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

class Decimal {
public:
    // Largest scale kept by arithmetic; results with more places are rounded to it.
    static constexpr int kMaxScale = 18;
    // Places carried by a quotient (at least this many, more if an operand has more).
    static constexpr int kDivisionScale = 16;

    constexpr Decimal() = default;
    constexpr Decimal(int v) : m_(v) {}
    constexpr Decimal(long v) : m_(v) {}
    constexpr Decimal(long long v) : m_(v) {}
    constexpr Decimal(unsigned v) : m_(v) {}
    constexpr Decimal(unsigned long v) : m_(static_cast<__int128>(v)) {}

    // mantissa / 10^scale
    static Decimal fromMantissa(__int128 mantissa, int scale);

    // Exact parse of "[-+]digits[.digits]" (blanks around allowed). nullopt when not a number.
    static std::optional<Decimal> parse(std::string_view text);
    // The platform's text-to-number conversion: the leading number of the text
    // (after leading blanks), 0 when the text does not start with a number.
    static Decimal fromText(std::string_view text);

    __int128 mantissa() const { return m_; }
    int scale() const { return s_; }

    // Rounded to `places` places, halves away from zero (places >= 0).
    Decimal rounded(int places) const;
    // INT: the integer part, cut toward zero.
    Decimal intPart() const;
    // this - INT(this), exact.
    Decimal fraction() const;
    Decimal abs() const;
    bool isZero() const { return m_ == 0; }
    int sign() const { return m_ > 0 ? 1 : (m_ < 0 ? -1 : 0); }

    // Integer value cut toward zero (saturating at the int64 range).
    int64_t toInt64() const;
    // Mantissa at a given scale, rounded half away from zero (for storing into DECIMAL(d,p)).
    int64_t scaledTo(int places) const;

    // Plain form: no trailing zeros and no trailing point, at most 15 significant
    // digits ("12.1", "12", "250", "-0.5").
    std::string plain() const;
    // Fixed number of places, rounded half away from zero ("12.10" for places 2).
    std::string fixed(int places) const;

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    // Division by zero gives 0.
    friend Decimal operator/(const Decimal& a, const Decimal& b);
    Decimal operator-() const;
    Decimal& operator+=(const Decimal& o) { return *this = *this + o; }
    Decimal& operator-=(const Decimal& o) { return *this = *this - o; }
    Decimal& operator*=(const Decimal& o) { return *this = *this * o; }
    Decimal& operator/=(const Decimal& o) { return *this = *this / o; }

    friend int compare(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) { return compare(a, b) == 0; }
    friend bool operator!=(const Decimal& a, const Decimal& b) { return compare(a, b) != 0; }
    friend bool operator<(const Decimal& a, const Decimal& b) { return compare(a, b) < 0; }
    friend bool operator>(const Decimal& a, const Decimal& b) { return compare(a, b) > 0; }
    friend bool operator<=(const Decimal& a, const Decimal& b) { return compare(a, b) <= 0; }
    friend bool operator>=(const Decimal& a, const Decimal& b) { return compare(a, b) >= 0; }

private:
    __int128 m_ = 0;
    int s_ = 0;
};

}  // namespace vx
