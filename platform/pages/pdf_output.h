#pragma once
// Where laid-out pages become a PDF file. The module that can draw (the Qt
// renderer) installs its writer when the program starts; reports only ask.

#include <functional>
#include <string>

#include "platform/pages/page_model.h"

namespace vx::pages {

// "" when the file was written, else what went wrong.
using PdfWriter = std::function<std::string(const Document&, const std::string& path)>;

void setPdfWriter(PdfWriter writer);
std::string writePdf(const Document& doc, const std::string& path);

}  // namespace vx::pages
