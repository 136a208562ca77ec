#include "context/start_folder.h"

#include "context/globals.h"
#include "platform/runtime/folders.h"

namespace vx::glo {

void restoreStartFolder() {
    if (!PUTK.blank()) rt::setCurrentFolder(PUTK.str());
}

}  // namespace vx::glo
