#pragma once
// Before ?PRINT or ?PRINT:4 starts its report: GLO:REPORTQUERYRESULT gets the
// search filter when one was typed or built, else the animal list's query-form
// filter (`queryFilter`, "" when no query was made). The report reads and clears it.

#include <string_view>

namespace vx::registry::marking {

void handOverReportFilter(std::string_view queryFilter);

}  // namespace vx::registry::marking
