#include "platform/pages/pdf_output.h"

namespace vx::pages {

namespace {
PdfWriter& writer() {
    static PdfWriter w;
    return w;
}
}  // namespace

void setPdfWriter(PdfWriter w) { writer() = std::move(w); }

std::string writePdf(const Document& doc, const std::string& path) {
    if (!writer()) return "Запись PDF в этой программе не подключена.";
    return writer()(doc, path);
}

}  // namespace vx::pages
