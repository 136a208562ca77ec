#include "platform/pages/text_width.h"

#include "platform/pages/font_widths.h"

namespace vx::pages {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

const unsigned short* widthsOf(const Font& f) {
    if (f.family == Family::Serif) return f.bold ? kSerifBoldWidths : kSerifWidths;
    return f.bold ? kSansBoldWidths : kSansWidths;
}

int unitsOf(char32_t c, const unsigned short* widths) {
    int at = 0;
    for (int r = 0; r < kCharRangeCount; ++r) {
        const CharRange& range = kCharRanges[r];
        if (c >= range.first && c <= range.last) return widths[at + static_cast<int>(c - range.first)];
        at += static_cast<int>(range.last - range.first) + 1;
    }
    return kUnitsPerEm;
}

// The character starting at `at` (UTF-8); `at` moves past it. A stray byte is a character of its own.
char32_t next(std::string_view s, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(s[at++]);
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = more == 0 ? lead : lead & (0x3F >> more);
    for (int i = 0; i < more && at < s.size() && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80; ++i)
        c = (c << 6) | (static_cast<unsigned char>(s[at++]) & 0x3F);
    return c;
}

double mmPerUnit(const Font& f) { return f.points * kMmPerPoint / kUnitsPerEm; }

// Bytes of the longest start of `s` no wider than `width` mm.
std::size_t fittingBytes(std::string_view s, const Font& f, double width) {
    const unsigned short* widths = widthsOf(f);
    const double limit = width / mmPerUnit(f);
    long units = 0;
    std::size_t at = 0;
    while (at < s.size()) {
        std::size_t after = at;
        units += unitsOf(next(s, after), widths);
        if (units > limit) break;
        at = after;
    }
    return at;
}

}  // namespace

double textWidth(std::string_view text, const Font& f) {
    const unsigned short* widths = widthsOf(f);
    long units = 0;
    for (std::size_t at = 0; at < text.size();) units += unitsOf(next(text, at), widths);
    return static_cast<double>(units) * mmPerUnit(f);
}

std::string fitText(std::string_view text, const Font& f, double width) {
    return std::string(text.substr(0, fittingBytes(text, f, width)));
}

std::vector<std::string> wrapText(std::string_view text, const Font& f, double width) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::size_t cut = fittingBytes(text, f, width);
        if (cut == 0) {
            std::size_t one = 0;
            next(text, one);
            cut = one;  // never a line without a character
        } else if (cut < text.size() && text[cut] != ' ') {
            const std::size_t blank = text.rfind(' ', cut);
            if (blank != std::string_view::npos && blank > 0) cut = blank;
        }
        std::string_view line = text.substr(0, cut);
        while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(cut);
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    }
    return lines;
}

}  // namespace vx::pages
