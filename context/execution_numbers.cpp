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

void leaveExecutionValues(const ExecutionValues& v) {
    if (v.statementNumber) NVEDJPIS = *v.statementNumber;
    if (v.actNumber) NAKT = *v.actNumber;
    if (v.expertiseNumber) NEKSP = *v.expertiseNumber;
    if (v.statementDoc) PUTVPDOC = *v.statementDoc;
    if (v.actDoc) PUTAKTDOC = *v.actDoc;
    if (v.expertiseDoc) PUTEXPDOC = *v.expertiseDoc;
}

}  // namespace vx::glo
