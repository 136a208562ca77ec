// Benchmarks of whole-file work at the size the program must handle, each beside
// the same work done directly in SQLite.
//
//   vetrix-bench [--only GROUP,...] [--passports N]
//
// N passports (bench/size.h), 100,000 by default. --only runs the named groups of
// cases alone (store register journal analysis report marking scheme card office
// exchange), in the bench's order; a group that reads another's database needs it
// named too (report reads analysis's).

#include <algorithm>
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

void storeCases(const Fixture& fx) {
    openFiles();
    addBooksAndHoldings();
    appendPassports(fx);
    addMeasures();
    rewritePassports(fx);
    scanByKey(fx);
    fetchById(fx);
    fillRegisterPage(fx);
    cascadeHoldingChange(fx);
}

struct Group {
    const char* name;
    std::function<void(const Fixture&)> run;
};

const Group kGroups[] = {{"store", storeCases},       {"register", registerCases}, {"journal", journalCases},
                         {"analysis", analysisCases}, {"report", reportCases},     {"marking", markingCases},
                         {"scheme", schemeCases},     {"card", cardCases},         {"office", officeCases},
                         {"exchange", exchangeCases}};

constexpr const char* kOnlyOption = "--only";

// The groups a comma-separated list names; false when it names one the bench lacks.
bool chooseGroups(const std::string& list, std::vector<std::string>& out) {
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        bool known = false;
        for (const Group& g : kGroups) known = known || name == g.name;
        if (!known) return false;
        out.push_back(name);
        start = comma + 1;
    }
    return true;
}

bool chosen(const std::vector<std::string>& only, const char* name) {
    return only.empty() || std::find(only.begin(), only.end(), name) != only.end();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const char* size = nullptr;
    if (args.size() >= 2 && args[args.size() - 2] == kPassportsOption) {
        size = argv[argc - 1];
        args.resize(args.size() - 2);
    }
    std::vector<std::string> only;
    bool understood = true;
    if (args.size() >= 2 && args[0] == kOnlyOption) {
        understood = chooseGroups(args[1], only);
        args.erase(args.begin(), args.begin() + 2);
    }
    if (!understood || !choosePassports(size) || (!args.empty() && !(args.size() == 2 && args[0] == kSecondStation))) {
        std::fprintf(stderr, "usage: vetrix-bench [%s GROUP,...] [%s N]   (N a whole number of thousands, or %s)\n",
                     kOnlyOption, kPassportsOption, kPassportsVariable);
        return 2;
    }
    if (!args.empty()) runSecondStation(args[1]);
    try {
        vx::glo::initialise();
        Fixture fx;
        for (const Group& g : kGroups)
            if (chosen(only, g.name)) g.run(fx);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vetrix-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
