#pragma once
// What the six reports share: their fonts, fields printed through pictures,
// the page set-up and the page footer with the date and time stamps.

#include <functional>
#include <string_view>

#include "platform/core/value.h"
#include "platform/report/report_layout.h"
#include "platform/report/report_run.h"

namespace vx::reports {

using report::Band;
using report::ReportLayout;
using report::TextSource;

// The reports' Arial CYR stands for the sans family, Times New Roman CYR for the serif one.
pages::Font sans(float points, bool bold = false, bool underline = false);
pages::Font serif(float points);

// A value read when the band prints, through a print picture ("@d6.b", "@n2b").
TextSource pictured(std::function<Value()> value, std::string_view picture);

// A4 portrait, 6 mm from the left; the body `width` mm wide (194, or 200 for the control lists).
void setUpPage(ReportLayout& r, double footerTop);
// "Дата:" with the date stamp, "Время:" with the time stamp, the page number at the right
// (after `pagePrefix`, "" or "стр.").
void addPageFooter(ReportLayout& r, double width, std::string_view pagePrefix);

}  // namespace vx::reports
