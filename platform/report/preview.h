#pragma once
// The preview of laid-out pages: page navigation, zoom, print through the
// desktop's printer dialog and save as PDF. It runs on the caller's thread until
// the user closes it; its placement is kept under "<procedure>Preview".
//
// With VETRIX_REPORT_PDF_DIR naming a folder, every preview also writes its pages
// there as "<procedure>-<n>.pdf" when it opens (for scripts and tests).

#include <memory>
#include <string>

#include "platform/pages/page_model.h"

namespace vx::report {

void showPreview(const std::string& procedure, std::shared_ptr<const pages::Document> doc);

// Use-names of the preview's controls.
inline constexpr const char* kPagesControl = "?Pages";

}  // namespace vx::report
