#include "platform/ui/style.h"

namespace vx::ui {

Colour colourFromHex(std::string_view text) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return kNoColour;
    Colour c = 0;
    for (char ch : text) {
        int digit;
        if (ch >= '0' && ch <= '9') digit = ch - '0';
        else if (ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;
        else if (ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
        else return kNoColour;
        c = c * 16 + digit;
    }
    return c;
}

std::string colourName(Colour c) {
    if (c < 0) return "none";
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "#";
    for (int shift = 20; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
    return out;
}

}  // namespace vx::ui
