#pragma once
// Text helpers over UTF-8. Positions and lengths count characters, not bytes.
// Case folding covers Latin and Cyrillic, Ё/ё included.

#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

// Number of characters.
std::size_t charCount(std::string_view s);
// The first n characters (all of s when shorter).
std::string firstChars(std::string_view s, std::size_t n);
// CLIP: without trailing spaces.
std::string clip(std::string_view s);
// What a fixed string of n characters keeps of s: its first n characters without
// trailing spaces, as a view into s.
std::string_view clippedPrefix(std::string_view s, std::size_t n);
// Without leading and trailing spaces.
std::string trim(std::string_view s);
// LEFT: without leading spaces (a fixed string gets them back as padding).
std::string leftJustify(std::string_view s);
// s padded with spaces (or cut) to exactly n characters.
std::string padTo(std::string_view s, std::size_t n);
// UPPER / LOWER with Cyrillic.
std::string upper(std::string_view s);
std::string lower(std::string_view s);
// SUB(s, start, len): 1-based character positions; out of range parts give "".
std::string sub(std::string_view s, long start, long len);
// The last n characters.
std::string lastChars(std::string_view s, std::size_t n);
// INSTRING(needle, hay, step, start): 1-based character position of needle in hay,
// looking at positions start, start+step, ...; 0 when not found.
long instring(std::string_view needle, std::string_view hay, long step = 1, long start = 1);

// Comparison as the platform compares fixed strings: trailing spaces do not count,
// everything else (case, leading spaces) does. Returns <0, 0, >0.
int compareText(std::string_view a, std::string_view b);
bool equalText(std::string_view a, std::string_view b);
// Case-insensitive comparison (keys, UPPER filters), trailing spaces ignored.
int compareTextNoCase(std::string_view a, std::string_view b);
// The key form of a text: clipped and upper-cased. Equal key forms = equal in a key.
std::string keyFold(std::string_view s);

// Replace every occurrence of `from` in s with `to`.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

}  // namespace vx
