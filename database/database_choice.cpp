#include "database/database_choice.h"

#include <string>

#include "app/globals.h"
#include "platform/core/text.h"

namespace vx::database {

void chooseDatabaseFolder(std::string_view folder) {
    const std::string base = clip(folder);
    glo::PUT1 = base + "hoz.tps";
    glo::PUT2 = base + "ferma.tps";
    glo::PUT5 = base + "pasport.tps";
    glo::PUT6 = base + "vpo.tps";
    glo::PUT7 = base + "vdi.tps";
    glo::PUT8 = base + "dvsego.tps";
    glo::PUT9 = base + "pvsego.tps";
}

}  // namespace vx::database
