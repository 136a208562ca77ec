#include "registry/marking/report_handover.h"

#include "context/globals.h"
#include "platform/core/text.h"

namespace vx::registry::marking {

void handOverReportFilter(std::string_view queryFilter) {
    const std::string typed = trim(glo::GLO_FILTER);
    glo::GLO_REPORTQUERYRESULT = typed.empty() ? std::string(queryFilter) : typed;
}

}  // namespace vx::registry::marking
