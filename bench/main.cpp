// Benchmarks of whole-file work at the size the program must handle, each beside
// the same work done directly in SQLite.
//
//   vetrix-bench [--passports N] [--only PREFIX]...
//     --passports N   N passports (bench/size.h), 100,000 by default
//     --only PREFIX   only the groups of cases one of whose names begins with PREFIX
//                     ("scan-key", "alt-x", "board"), or whose name begins PREFIX
//                     ("alt-x-1m"); given again, those groups too, in their usual
//                     order. The fixture's passports and VPO records are always
//                     built (append-<size> is reported).

#include <cstdio>
#include <exception>
#include <functional>
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

namespace {

using namespace vx::bench;

constexpr const char* kOnlyOption = "--only";

// The cases after the fixture, in the order they run: the names each group reports
// begin with one of its prefixes.
struct Group {
    std::vector<std::string> names;
    std::function<void(const Fixture&)> run;
};

const std::vector<Group>& groups() {
    static const std::vector<Group> all = {
        {{"rewrite"}, rewritePassports},
        {{"scan-key"}, scanByKey},
        {{"fetch"}, fetchById},
        {{"page-fill"}, fillRegisterPage},
        {{"cascade-change"}, cascadeHoldingChange},
        {{"register-"}, registerCases},
        {{"journal-", "group-execution"}, journalCases},
        {{"analysis-scan", "calc-analysis-scan", "board", "calc-open"}, analysisCases},
        {{"report-"}, reportCases},
        {{"mark-all", "plan-status", "age-sync"}, markingCases},
        {{"alt-x", "plan-marked"}, schemeCases},
        {{"card-plan"}, cardCases},
        {{"office-"}, officeCases},
        {{"export-marked", "import-"}, exchangeCases},
    };
    return all;
}

bool begins(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

// Every group when `only` is empty.
bool chosen(const Group& g, const std::vector<std::string>& only) {
    for (const std::string& prefix : only)
        for (const std::string& name : g.names)
            if (begins(name, prefix) || begins(prefix, name)) return true;
    return only.empty();
}

int usage() {
    std::fprintf(stderr, "usage: vetrix-bench [%s N] [%s PREFIX]   (N a whole number of thousands, or %s)\n",
                 kPassportsOption, kOnlyOption, kPassportsVariable);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const char* size = nullptr;
    const char* station = nullptr;
    std::vector<std::string> only;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 == args.size()) return usage();
        if (args[i] == kPassportsOption) size = argv[i + 2];
        else if (args[i] == kOnlyOption) only.push_back(args[i + 1]);
        else if (args[i] == kSecondStation) station = argv[i + 2];
        else return usage();
    }
    if (!choosePassports(size)) return usage();
    if (station) runSecondStation(station);
    try {
        vx::glo::initialise();
        Fixture fx;
        openFiles();
        addBooksAndHoldings();
        appendPassports(fx);
        addMeasures();
        for (const Group& g : groups())
            if (chosen(g, only)) g.run(fx);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vetrix-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
