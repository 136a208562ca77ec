#include "reports/report_parts.h"

#include "platform/core/picture.h"

namespace vx::reports {

pages::Font sans(float points, bool bold, bool underline) {
    return pages::Font{pages::Family::Sans, points, bold, underline};
}

pages::Font serif(float points) { return pages::Font{pages::Family::Serif, points, false, false}; }

TextSource pictured(std::function<Value()> value, std::string_view picture) {
    return [value = std::move(value), p = Picture::parse(picture)] { return p.format(value()); };
}

void setUpPage(ReportLayout& r, double footerTop) {
    r.page = report::PageSetup{};
    r.page.footerTop = footerTop;
}

void addPageFooter(ReportLayout& r, double width, std::string_view pagePrefix) {
    const pages::Font f = sans(8);
    r.pageFooter.setHeight(6).text(0, 1, "Дата:", f).field(10, 1, r.dateStamp(), f).text(40, 1, "Время:", f).field(
        52, 1, r.timeStamp(), f);
    if (pagePrefix.empty()) {
        r.pageFooter.fieldRight(width, 1, r.pageNumber(), f);
    } else {
        r.pageFooter.text(width - 14, 1, std::string(pagePrefix), f).fieldRight(width, 1, r.pageNumber(), f);
    }
    r.pageFooter.hrule(0, 0, width);
}

}  // namespace vx::reports
