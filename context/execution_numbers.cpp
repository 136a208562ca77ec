#include "context/execution_numbers.h"

#include "context/globals.h"

namespace vx::glo {

void clearExecutionNumbers() {
    NAKT = "";
    NEKSP = "";
    NVEDJPIS = "";
    DAKT = 0;
    DEKSP = 0;
    DVEDOPIS = 0;
}

}  // namespace vx::glo
