#include "platform/core/picture.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "platform/core/dates.h"
#include "platform/core/text.h"

namespace vx {

namespace {

constexpr int kDateWidth = 10;  // dd.mm.yyyy

bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lowerAscii(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Reads a run of digits at text[i]; -1 when there is none.
int readNumber(std::string_view text, std::size_t& i) {
    if (i >= text.size() || !isDigit(text[i])) return -1;
    int n = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) n = n < 100000 ? n * 10 + (text[i] - '0') : n;
    return n;
}

// A trailing "b" (blank when zero) and nothing else may follow.
bool readBlankFlag(std::string_view text, std::size_t i, bool& blank) {
    blank = i < text.size() && lowerAscii(text[i]) == 'b';
    if (blank) ++i;
    return i == text.size();
}

std::string twoDigits(int n) {
    std::string s(2, '0');
    s[0] = static_cast<char>('0' + n / 10 % 10);
    s[1] = static_cast<char>('0' + n % 10);
    return s;
}

std::string rightAligned(std::string s, int width) {
    const std::size_t n = charCount(s);
    if (n < static_cast<std::size_t>(width)) s.insert(0, width - n, ' ');
    return s;
}

std::string dateText(int32_t day, char separator) {
    std::string year = std::to_string(yearOf(day));
    if (year.size() < 4) year.insert(0, 4 - year.size(), '0');
    return twoDigits(dayOf(day)) + separator + twoDigits(monthOf(day)) + separator + year;
}

int32_t dayNumberOf(const Decimal& d) {
    const int64_t n = d.toInt64();
    return n < INT32_MIN || n > INT32_MAX ? 0 : static_cast<int32_t>(n);
}

}  // namespace

Picture Picture::parse(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    Picture p;
    p.source_ = std::string(text);
    if (text.size() < 2 || text[0] != '@') return p;
    const char kind = lowerAscii(text[1]);
    std::size_t i = 2;
    Picture parsed = p;
    bool ok = false;
    if (kind == 's') {
        parsed.kind_ = Kind::Text;
        parsed.width_ = readNumber(text, i);
        ok = parsed.width_ >= 0 && i == text.size();
    } else if (kind == 'n') {
        parsed.kind_ = Kind::Number;
        parsed.underscore_ = i < text.size() && text[i] == '_';
        if (parsed.underscore_) ++i;
        parsed.width_ = readNumber(text, i);
        if (i < text.size() && text[i] == '.') {
            ++i;
            parsed.places_ = std::max(readNumber(text, i), 0);  // "@n_6.b": a point alone adds no places
        }
        ok = parsed.width_ > 0 && parsed.places_ <= Decimal::kMaxScale && readBlankFlag(text, i, parsed.blank_);
    } else if (kind == 'd') {
        parsed.kind_ = Kind::Date;
        ok = readNumber(text, i) == 6;
        parsed.width_ = kDateWidth;
        parsed.pattern_ = ".";
        if (i < text.size() && (text[i] == '.' || text[i] == '/' || text[i] == '-')) parsed.pattern_ = text[i++];
        ok = ok && readBlankFlag(text, i, parsed.blank_);
    } else if (kind == 'p') {
        const std::size_t close = text.find_last_of("Pp");
        if (close > 1) {
            parsed.kind_ = Kind::Pattern;
            parsed.pattern_ = std::string(text.substr(2, close - 2));
            parsed.width_ = static_cast<int>(charCount(parsed.pattern_));
            ok = readBlankFlag(text, close + 1, parsed.blank_);
        }
    }
    return ok ? parsed : p;
}

std::string Picture::format(const Value& v) const {
    switch (kind_) {
    case Kind::None: return v.toText();
    case Kind::Text: return padTo(v.toText(), width_);
    case Kind::Number: {
        const Decimal n = v.toNumber().rounded(places_);
        if (blank_ && n.isZero()) return std::string(width_, ' ');
        // A number wider than the picture shows whole: no digit is ever hidden.
        return rightAligned(n.fixed(places_), width_);
    }
    case Kind::Date: {
        const int32_t day = dayNumberOf(v.toNumber());
        if (!validDayNumber(day)) return std::string(width_, ' ');
        return dateText(day, pattern_[0]);
    }
    case Kind::Pattern: {
        const Decimal n = v.toNumber().rounded(0);
        if (blank_ && n.isZero()) return std::string(width_, ' ');
        std::string digits = n.abs().plain();
        if (digits == "0") digits.clear();  // "<" shows no leading zeros, and 0 has only those
        // Digits fill the digit positions from the right; literals stand where they are.
        std::string out(pattern_);
        for (std::size_t k = out.size(); k-- > 0;) {
            if (out[k] != '<' && out[k] != '#') continue;
            if (!digits.empty()) {
                out[k] = digits.back();
                digits.pop_back();
            } else {
                out[k] = out[k] == '#' ? '0' : ' ';
            }
        }
        // Digits beyond the pattern's positions, and the sign, go in front rather than being lost.
        if (n.sign() < 0) digits.insert(0, 1, '-');
        return digits + out;
    }
    }
    return v.toText();
}

std::string format(const Value& v, std::string_view picture) { return Picture::parse(picture).format(v); }

std::string formatDate(int32_t dayNumber) {
    return validDayNumber(dayNumber) ? dateText(dayNumber, '.') : std::string();
}

std::string formatTime(int32_t clock) {
    if (clock <= 0) return {};
    const int32_t seconds = (clock - 1) % 8640000 / 100;
    return twoDigits(seconds / 3600) + ':' + twoDigits(seconds / 60 % 60) + ':' + twoDigits(seconds % 60);
}

}  // namespace vx
