#pragma once
// Field types of record buffers and program-level variables.
//   STRING(n)    -> Str   (n characters; kept without trailing spaces, read back padded when asked)
//   CSTRING(n)   -> CStr  (at most n-1 characters)
//   DECIMAL(d,p) -> Dec   (exact; a stored value is rounded to p places, halves away from zero)
//   LONG         -> Long, BYTE -> Byte
// A LONG date is a Long day number; the packed DATE is PackedDate (dates.h).

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/decimal.h"

namespace vx {

using Long = int32_t;
using Byte = uint8_t;

// A fixed-length space-padded string. Trailing spaces carry no meaning, so the
// value is held clipped; assignment cuts the text to n characters.
class Str {
public:
    explicit Str(uint16_t n) : n_(n) {}
    Str(uint16_t n, std::string_view init) : n_(n) { assign(init); }
    Str(const Str&) = default;
    Str& operator=(const Str& o) {
        assign(o.v_);
        return *this;
    }
    Str& operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    Str& operator=(const std::string& s) {
        assign(s);
        return *this;
    }
    Str& operator=(const char* s) {
        assign(s);
        return *this;
    }
    void assign(std::string_view s);
    void clear() { v_.clear(); }

    // Clipped text.
    const std::string& str() const { return v_; }
    operator const std::string&() const { return v_; }
    // Text padded with spaces to n characters.
    std::string padded() const;
    uint16_t size() const { return n_; }
    bool blank() const { return v_.empty(); }

    friend bool operator==(const Str& a, std::string_view b);
    friend bool operator==(const Str& a, const Str& b) { return a == std::string_view(b.v_); }

private:
    std::string v_;
    uint16_t n_;
};

// A zero-terminated string of at most n-1 characters; not padded.
class CStr {
public:
    explicit CStr(uint16_t n) : n_(n) {}
    CStr& operator=(std::string_view s);
    CStr& operator=(const char* s) { return *this = std::string_view(s); }
    CStr& operator=(const std::string& s) { return *this = std::string_view(s); }
    const std::string& str() const { return v_; }
    operator const std::string&() const { return v_; }
    uint16_t size() const { return n_; }

private:
    std::string v_;
    uint16_t n_;
};

// DECIMAL(d,p): an exact value with p places. Storing rounds to p places, halves
// away from zero. Digits beyond d are kept (the width is a display matter here).
class Dec {
public:
    Dec(uint8_t digits, uint8_t places) : d_(digits), p_(places) {}
    Dec(const Dec&) = default;
    Dec& operator=(const Dec& o) {
        m_ = o.places() == p_ ? o.m_ : Decimal(o).scaledTo(p_);
        return *this;
    }
    Dec& operator=(const Decimal& v) {
        m_ = v.scaledTo(p_);
        return *this;
    }
    Dec& operator=(int v) { return *this = Decimal(v); }
    Dec& operator=(long v) { return *this = Decimal(v); }
    Dec& operator=(long long v) { return *this = Decimal(v); }

    operator Decimal() const { return Decimal::fromMantissa(m_, p_); }
    Decimal value() const { return Decimal::fromMantissa(m_, p_); }
    // The stored integer mantissa (value * 10^p).
    int64_t mantissa() const { return m_; }
    void setMantissa(int64_t m) { m_ = m; }
    uint8_t digits() const { return d_; }
    uint8_t places() const { return p_; }
    bool isZero() const { return m_ == 0; }
    // Integer value cut toward zero.
    int64_t toInt() const { return value().toInt64(); }

private:
    int64_t m_ = 0;
    uint8_t d_;
    uint8_t p_;
};

// Whether a number is stored as it is, never cut or wrapped: a DECIMAL(d,p) after
// rounding to its places keeps at most d-p integer digits; a LONG or a BYTE takes a
// whole number within its range.
bool decimalHolds(const Decimal& n, int digits, int places);
bool longHolds(const Decimal& n);
bool byteHolds(const Decimal& n);

}  // namespace vx
