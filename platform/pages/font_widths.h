#pragma once
// The advance widths of the DejaVu faces the renderers draw with, in units of
// 1/2048 em: one entry per character of kCharRanges, the ranges in order.

namespace vx::pages {

struct CharRange {
    char32_t first, last;
};

inline constexpr int kUnitsPerEm = 2048;
extern const CharRange kCharRanges[];
extern const int kCharRangeCount;
extern const unsigned short kSansWidths[];
extern const unsigned short kSansBoldWidths[];
extern const unsigned short kSerifWidths[];
extern const unsigned short kSerifBoldWidths[];

}  // namespace vx::pages
