#pragma once
// A page as compact bytes, to keep finished pages out of memory: every position
// and size exactly as laid out, each text with its font.

#include <string>
#include <string_view>

#include "platform/pages/page_model.h"

namespace vx::pages {

std::string encodePage(const Page& page);
// False when the bytes are not those of a page.
bool decodePage(std::string_view bytes, Page& out);

}  // namespace vx::pages
