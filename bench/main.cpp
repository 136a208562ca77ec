// Benchmarks of whole-file work at the size the program must handle, each beside
// the same work done directly in SQLite.
//
//   vetrix-bench [--passports N]      N passports (bench/size.h), 100,000 by default

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

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
#include "bench/size.h"
#include "bench/store_cases.h"
#include "context/globals.h"

int main(int argc, char** argv) {
    using namespace vx::bench;
    std::vector<std::string> args(argv + 1, argv + argc);
    const char* size = nullptr;
    if (args.size() >= 2 && args[args.size() - 2] == kPassportsOption) {
        size = argv[argc - 1];
        args.resize(args.size() - 2);
    }
    if (!choosePassports(size) || (!args.empty() && !(args.size() == 2 && args[0] == kSecondStation))) {
        std::fprintf(stderr, "usage: vetrix-bench [%s N]   (N a whole number of thousands, or %s)\n", kPassportsOption,
                     kPassportsVariable);
        return 2;
    }
    if (!args.empty()) runSecondStation(args[1]);
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
