#pragma once
// How wide a text prints: the advance widths of the faces the renderers draw
// with, so a report cuts or wraps a text where every renderer (the preview, the
// printer, the PDF) ends it, and the page text says what they show.

#include <string>
#include <string_view>
#include <vector>

#include "platform/pages/page_model.h"

namespace vx::pages {

// Millimetres; a character the table lacks counts one em.
double textWidth(std::string_view text, const Font& f);
// The longest start of `text`, in whole characters, no wider than `width` mm.
std::string fitText(std::string_view text, const Font& f, double width);
// Lines no wider than `width` mm, broken at the last blank that fits, else inside the
// word; the blanks at a break are dropped.
std::vector<std::string> wrapText(std::string_view text, const Font& f, double width);

}  // namespace vx::pages
