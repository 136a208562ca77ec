#include "platform/core/text.h"

#include <algorithm>
#include <cstdint>

namespace vx {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte length of the character starting at s[i]. A malformed sequence counts as one
// character per byte, so any input can be walked safely.
std::size_t charLength(std::string_view s, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c >= 0xE0 && c <= 0xEF) n = 3;
    else if (c >= 0xF0 && c <= 0xF4) n = 4;
    if (n == 1 || i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if (!isContinuation(static_cast<unsigned char>(s[i + k]))) return 1;
    return n;
}

// Code point of the character at s[i] (len bytes); a stray byte stands for itself.
char32_t decode(std::string_view s, std::size_t i, std::size_t len) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (len == 1) return c;
    char32_t cp = c & (0xFF >> (len + 1));
    for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return cp;
}

void encode(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t toUpper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0x0430 && c <= 0x044F) return c - 0x20;  // а..я
    if (c >= 0x0450 && c <= 0x045F) return c - 0x50;  // ѐ..џ, ё included
    return c;
}

char32_t toLower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
    return c;
}

// Sort weight of a character: code point order, except that ё sorts right after Ё
// (before А), as in the Cyrillic code page the stored keys have always used.
uint64_t weight(char32_t c) {
    if (c == 0x0451) return 0x0401 * 2 + 1;
    return static_cast<uint64_t>(c) * 2;
}

std::string_view clipView(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return s.substr(0, n);
}

// Byte offset of character number `index` (0-based), s.size() when beyond the end.
std::size_t byteOffset(std::string_view s, std::size_t index) {
    std::size_t i = 0;
    while (index > 0 && i < s.size()) {
        i += charLength(s, i);
        --index;
    }
    return i;
}

template <class Fold>
std::string mapChars(std::string_view s, Fold fold) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t len = charLength(s, i);
        if (len == 1) {
            const unsigned char c = static_cast<unsigned char>(s[i]);
            // Stray bytes stay as they are; only ASCII letters fold.
            out += c < 0x80 ? static_cast<char>(fold(c)) : static_cast<char>(c);
        } else {
            encode(fold(decode(s, i, len)), out);
        }
        i += len;
    }
    return out;
}

template <class Fold>
int compareWith(std::string_view a, std::string_view b, Fold fold) {
    a = clipView(a);
    b = clipView(b);
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t la = charLength(a, i), lb = charLength(b, j);
        const uint64_t wa = weight(fold(decode(a, i, la)));
        const uint64_t wb = weight(fold(decode(b, j, lb)));
        if (wa != wb) return wa < wb ? -1 : 1;
        i += la;
        j += lb;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace

std::size_t charCount(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i)) ++n;
    return n;
}

std::string firstChars(std::string_view s, std::size_t n) { return std::string(s.substr(0, byteOffset(s, n))); }

std::string clip(std::string_view s) { return std::string(clipView(s)); }

std::string_view clippedPrefix(std::string_view s, std::size_t n) {
    // No more bytes than n: no more characters either, so nothing to count.
    return clipView(s.size() <= n ? s : s.substr(0, byteOffset(s, n)));
}

std::string trim(std::string_view s) { return leftJustify(clipView(s)); }

std::string leftJustify(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return std::string(s.substr(i));
}

std::string padTo(std::string_view s, std::size_t n) {
    const std::size_t cut = byteOffset(s, n);
    std::string out(s.substr(0, cut));
    const std::size_t have = charCount(out);
    if (have < n) out.append(n - have, ' ');
    return out;
}

std::string upper(std::string_view s) { return mapChars(s, toUpper); }

std::string lower(std::string_view s) { return mapChars(s, toLower); }

std::string sub(std::string_view s, long start, long len) {
    if (len <= 0 || start > static_cast<long>(s.size())) return {};
    // Characters start .. start+len-1, cut to the text; the clamp keeps the sum from overflowing.
    const long end = start + std::min(len, static_cast<long>(s.size()) + 1);  // exclusive, 1-based
    if (start < 1) start = 1;
    if (end <= start) return {};
    const std::size_t from = byteOffset(s, static_cast<std::size_t>(start - 1));
    const std::size_t to = byteOffset(s, static_cast<std::size_t>(end - 1));
    return std::string(s.substr(from, to - from));
}

std::string lastChars(std::string_view s, std::size_t n) {
    const std::size_t count = charCount(s);
    if (n >= count) return std::string(s);
    return std::string(s.substr(byteOffset(s, count - n)));
}

long instring(std::string_view needle, std::string_view hay, long step, long start) {
    if (needle.empty() || step <= 0 || start < 1) return 0;
    // Walk the hay once, remembering the byte offset of the current character.
    std::size_t offset = byteOffset(hay, static_cast<std::size_t>(start - 1));
    long pos = start;
    while (offset < hay.size()) {
        if (hay.substr(offset, needle.size()) == needle) return pos;
        for (long k = 0; k < step && offset < hay.size(); ++k) offset += charLength(hay, offset);
        pos += step;
    }
    return 0;
}

int compareText(std::string_view a, std::string_view b) {
    return compareWith(a, b, [](char32_t c) { return c; });
}

bool equalText(std::string_view a, std::string_view b) { return clipView(a) == clipView(b); }

int compareTextNoCase(std::string_view a, std::string_view b) { return compareWith(a, b, toUpper); }

std::string keyFold(std::string_view s) { return upper(clipView(s)); }

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    for (std::size_t hit; (hit = s.find(from, i)) != std::string_view::npos; i = hit + from.size()) {
        out.append(s.substr(i, hit - i));
        out.append(to);
    }
    out.append(s.substr(i));
    return out;
}

}  // namespace vx
