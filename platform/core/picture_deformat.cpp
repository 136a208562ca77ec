#include <string>

#include "platform/core/dates.h"
#include "platform/core/picture.h"
#include "platform/core/text.h"

namespace vx {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// A typed number: blanks anywhere, an optional sign in front, a point or a comma.
std::optional<Value> numberFrom(std::string_view text) {
    std::string plain;
    for (char c : text) {
        if (c == ' ') continue;
        plain += c == ',' ? '.' : c;
    }
    if (plain.empty()) return Value(0);
    const auto d = Decimal::parse(plain);
    if (!d) return std::nullopt;
    return Value(*d);
}

// One or two digits of a day or month, four of a year, then the separator or the end.
bool readPart(std::string_view text, std::size_t& i, std::size_t minDigits, std::size_t maxDigits, int& out) {
    const std::size_t start = i;
    out = 0;
    while (i < text.size() && isDigit(text[i]) && i - start < maxDigits) out = out * 10 + (text[i++] - '0');
    return i - start >= minDigits && (i == text.size() || !isDigit(text[i]));
}

std::optional<Value> dateFrom(std::string_view text, char separator) {
    if (text.empty()) return Value(0);
    std::size_t i = 0;
    int day = 0, month = 0, year = 0;
    if (!readPart(text, i, 1, 2, day) || i >= text.size() || text[i++] != separator) return std::nullopt;
    if (!readPart(text, i, 1, 2, month) || i >= text.size() || text[i++] != separator) return std::nullopt;
    if (!readPart(text, i, 4, 4, year) || i != text.size()) return std::nullopt;
    const int32_t number = makeDate(month, day, year);
    if (number == 0) return std::nullopt;
    return Value(static_cast<long>(number));
}

// The digits typed into a pattern; its literals and blanks are skipped.
std::optional<Value> patternFrom(std::string_view text, std::string_view pattern) {
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) digits += c;
        else if (c == '-' && digits.empty()) digits += c;
        else if (c != ' ' && pattern.find(c) == std::string_view::npos) return std::nullopt;
    }
    return numberFrom(digits);
}

}  // namespace

std::optional<Value> Picture::deformat(std::string_view text) const {
    switch (kind_) {
    case Kind::None: return Value(text);
    case Kind::Text: return Value(firstChars(text, width_));
    case Kind::Number: return numberFrom(trimmed(text));
    case Kind::Date: return dateFrom(trimmed(text), pattern_[0]);
    case Kind::Pattern: return patternFrom(trimmed(text), pattern_);
    }
    return std::nullopt;
}

}  // namespace vx
