#include "bench/scheme_cases.h"

#include <cstdio>
#include <string>

#include "bench/report.h"
#include "dictionary/names.h"
#include "planning/schemes/plan_for_marked.h"
#include "planning/schemes/scheme_sheets.h"
#include "platform/store/record_file.h"

namespace vx::bench {

using namespace dct;
using planning::MeasureKind;

namespace {

constexpr double kLimitMs = 2000;

void reportCase(const std::string& name, double ms, const std::string& what) {
    const double limit = limitForSize(kLimitMs);
    std::printf("%s ours_ms=%.1f limit_ms=%.0f %s%s\n", name.c_str(), ms, limit, what.c_str(),
                ms < limit ? "" : " OVER LIMIT");
    std::fflush(stdout);
}

// Every passport of species 1 and marked, in one pass with the direct statements.
void markEveryPassportOfSpeciesOne() {
    Set(PASPORT);
    while (Next(PASPORT)) {
        PAS->VIDANIM = 1;
        PAS->CHEK = 1;
        Put(PASPORT);
    }
    store::commitPendingWrites();
}

}  // namespace

void schemeCases(const Fixture&) {
    // The cells of the Alt+X list, without Excel: a measure every passport has (its
    // 100,000 records are read), then one no passport has (every animal of the species is listed).
    const struct {
        const char* ending;
        int tenths;
    } selections[] = {{"", 102}, {"-unplanned", 109}};
    for (const auto& c : selections) {
        std::size_t cells = 0;
        const double ms = millisecondsOf([&] {
            cells = planning::schemes::unplannedAnimalsSheet(MeasureKind::Preventive,
                                                             Decimal::fromMantissa(c.tenths, 1), Decimal(1), "Схема")
                        .size();
        });
        reportCase(sized("alt-x", passports()) + c.ending, ms, "listed=" + std::to_string((cells - 1) / 8));
    }

    markEveryPassportOfSpeciesOne();
    const planning::Scheme scheme{Decimal(20),
                                           Decimal(1),
                                           "Вакцинация",
                                           {Decimal(30), Decimal(1), Decimal(1), 0},
                                           {Decimal(45), Decimal(1), Decimal(2), 0}};
    planning::schemes::PlanOutcome outcome;
    const double plan = millisecondsOf([&] {
        outcome = planning::schemes::planForMarked(MeasureKind::Preventive, scheme);
        store::commitPendingWrites();
    });
    reportCase(sized("plan-marked", passports()), plan,
               "added=" + std::to_string(outcome.added) + (outcome.stored ? " stored" : " NOT STORED"));
}

}  // namespace vx::bench
