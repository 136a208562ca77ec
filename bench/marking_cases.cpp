#include "bench/marking_cases.h"

#include <cstdio>

#include "app/globals.h"
#include "bench/report.h"
#include "dictionary/names.h"
#include "platform/store/record_file.h"
#include "registry/marking/age_synchronisation.h"
#include "registry/marking/marking_scans.h"
#include "registry/marking/passport_marking.h"

namespace vx::bench {

using namespace dct;

namespace {

constexpr double kLimitMs = 2000;

void reportAgainstLimit(const char* name, double ms) {
    std::printf("%s ours_ms=%.1f limit_ms=%.0f %s\n", name, ms, kLimitMs, ms < kLimitMs ? "ok" : "OVER");
    std::fflush(stdout);
}

void markEveryPassport() {
    Set(PASPORT);
    while (Next(PASPORT)) {
        PAS->CHEK = 1;
        Put(PASPORT);
    }
    store::commitPendingWrites();
}

}  // namespace

void markingCases(const Fixture&) {
    using namespace registry::marking;
    markEveryPassport();
    reportAgainstLimit("mark-all-100k", millisecondsOf([] {
                           runMarking(7, MarkingPath::List);
                           store::commitPendingWrites();
                       }));

    glo::IDHOZ = 1;
    glo::IDFERM = 1;
    reportAgainstLimit("plan-status-100k", millisecondsOf([] {
                           markByPlanStatus(16, {Decimal::fromMantissa(101, 1), Decimal(1)});
                           store::commitPendingWrites();
                       }));

    reportAgainstLimit("age-sync-100k", millisecondsOf([] {
                           storeAges();
                           store::commitPendingWrites();
                       }));
}

}  // namespace vx::bench
