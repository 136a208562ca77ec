#include "office/automation_opening.h"

#include "context/globals.h"

namespace vx::office {

void openAutomation(AutomationControl& control, std::string_view className) {
    glo::FEQOLE = static_cast<Long>(control.number());
    control.setCreate(className);
    control.setReportException(true);
}

}  // namespace vx::office
