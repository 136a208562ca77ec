// Benchmarks of whole-file work at the size the program must handle, each beside
// the same work done directly in SQLite.

#include <cstdio>
#include <exception>
#include <string>

#include "bench/analysis_cases.h"
#include "bench/card_cases.h"
#include "bench/exchange_cases.h"
#include "bench/fixture.h"
#include "bench/journal_cases.h"
#include "bench/marking_cases.h"
#include "bench/office_cases.h"
#include "bench/register_cases.h"
#include "bench/report_cases.h"
#include "bench/scheme_cases.h"
#include "bench/store_cases.h"
#include "context/globals.h"

int main(int argc, char** argv) {
    using namespace vx::bench;
    if (argc == 3 && std::string(argv[1]) == kSecondStation) runSecondStation(argv[2]);
    try {
        vx::glo::initialise();
        Fixture fx;
        openFiles();
        addBooksAndHoldings();
        appendPassports(fx);
        addMeasures();
        rewritePassports(fx);
        scanByKey(fx);
        fetchById(fx);
        fillRegisterPage(fx);
        cascadeHoldingChange(fx);
        registerCases(fx);
        journalCases(fx);
        analysisCases(fx);
        reportCases(fx);
        markingCases(fx);
        schemeCases(fx);
        cardCases(fx);
        officeCases(fx);
        exchangeCases(fx);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vetrix-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
