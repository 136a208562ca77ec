#pragma once
// The preview of laid-out pages: page navigation, zoom, print through the
// desktop's printer dialog and save as PDF. It runs on the caller's thread until
// the user closes it; its placement is kept under "<procedure>Preview". It can open
// with the first pages of a report whose rest it lays out while the user looks.
//
// With VETRIX_REPORT_PDF_DIR naming a folder, every preview also writes its pages
// there as "<procedure>-<n>.pdf" when it opens (for scripts and tests).

#include <memory>
#include <string>

#include "platform/pages/page_model.h"

namespace vx::report {

// What is left of a report still being laid out while its preview shows the pages done.
class RestOfReport {
public:
    virtual ~RestOfReport() = default;
    virtual bool done() const = 0;
    // Lays out the next slice of records; the last one prints the closing footers.
    virtual void slice() = 0;
    virtual int percent() const = 0;
    virtual int finishedPages() const = 0;
};

// With `rest`, the preview lays out the rest of the report at every tick of its timer.
void showPreview(const std::string& procedure, std::shared_ptr<const pages::Document> doc, RestOfReport* rest = nullptr);

// Use-names of the preview's controls.
inline constexpr const char* kPagesControl = "?Pages";

}  // namespace vx::report
