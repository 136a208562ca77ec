#pragma once
// The view both animal lists read: passports with their sex-age group, farm,
// holding and species, the current holding and farm bound as "idhoz" and
// "idferm", the hand-over as the filter.

#include "platform/expr/bindings.h"
#include "platform/report/report_run.h"

namespace vx::reports {

report::ReportDefinition passportReport(const char* procedure, const char* title, const char* order,
                                        const expr::Bindings& names);
void bindCurrentPlace(expr::Bindings& names);

}  // namespace vx::reports
