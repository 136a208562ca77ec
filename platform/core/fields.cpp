#include "platform/core/fields.h"

#include "platform/core/text.h"

namespace vx {

void Str::assign(std::string_view s) { v_ = clip(firstChars(s, n_)); }

std::string Str::padded() const { return padTo(v_, n_); }

bool operator==(const Str& a, std::string_view b) { return equalText(a.v_, b); }

CStr& CStr::operator=(std::string_view s) {
    v_ = n_ == 0 ? std::string() : firstChars(s, n_ - 1u);
    return *this;
}

}  // namespace vx
