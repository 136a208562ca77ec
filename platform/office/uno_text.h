#pragma once
// Texts across the UNO bridge: UTF-8 on our side, UTF-16 on the office's.

#include <string>
#include <string_view>

#include <rtl/ustring.hxx>

namespace vx::office {

inline rtl::OUString unoText(std::string_view s) {
    return rtl::OUString(s.data(), static_cast<sal_Int32>(s.size()), RTL_TEXTENCODING_UTF8);
}

inline std::string utf8(const rtl::OUString& s) { return rtl::OUStringToOString(s, RTL_TEXTENCODING_UTF8).getStr(); }

}  // namespace vx::office
