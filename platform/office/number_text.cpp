#include "platform/office/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vx::office {

double toServerNumber(const Decimal& value) {
    // from_chars reads the point whatever the user's locale (strtod would stop at it under ru_RU).
    const std::string text = value.plain();
    double number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

std::string numberText(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    // "d.dddddddddddddde±x": 15 significant digits and the exponent.
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<std::size_t>(r.ptr - buf));
    const bool negative = sci.front() == '-';
    if (negative) sci.remove_prefix(1);
    const std::size_t e = sci.find('e');
    std::string digits;
    digits += sci[0];
    digits.append(sci.substr(2, e - 2));
    const int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());

    // The digits with the point after position exponent + 1.
    std::string out;
    const int point = exponent + 1;
    if (point <= 0) {
        out = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= static_cast<int>(digits.size())) {
        out = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(point)) + "." + digits.substr(static_cast<std::size_t>(point));
    }
    if (out.find('.') != std::string::npos) {
        while (out.back() == '0') out.pop_back();
        if (out.back() == '.') out.pop_back();
    }
    return negative ? "-" + out : out;
}

}  // namespace vx::office
