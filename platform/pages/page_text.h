#pragma once
// A page as lines of text in reading order, for tests, scripts and searching:
// texts whose tops lie within half a millimetre are one line, left to right,
// joined by one blank; blank texts are left out.

#include <string>
#include <vector>

#include "platform/pages/page_model.h"

namespace vx::pages {

std::vector<std::string> textLines(const Page& page);
// Every page's lines, each page after a line "--- page N ---".
std::string documentText(const Document& doc);

}  // namespace vx::pages
