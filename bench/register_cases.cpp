#include "bench/register_cases.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "app/script/procedure_registry.h"
#include "bench/report.h"
#include "dictionary/dictionary.h"
#include "dictionary/names.h"
#include "platform/headless/harness.h"
#include "platform/store/record_file.h"
#include "registry/register/register_window.h"

namespace vx::bench {

using namespace dct;

namespace {

constexpr double kStepLimitMs = 100;
constexpr int kBigFarmPassports = 2000;

void reportStep(const char* name, double ms, const std::string& what) {
    std::printf("%s ours_ms=%.1f limit_ms=%.0f %s%s\n", name, ms, kStepLimitMs, what.c_str(),
                ms < kStepLimitMs ? "" : " OVER LIMIT");
    std::fflush(stdout);
}

void play(const ui::Outcome& o, const char* what) {
    if (!o) throw std::runtime_error(std::string(what) + ": " + o.refusal);
}

// A farm after the last one of the first holding, so it is the last row of the farms list.
void addBigFarm() {
    Set(HOZ_K1);
    if (!Next(HOZ)) throw std::runtime_error("no holding");
    const Decimal holding = HOZ->IDHOZ.value();
    FER->IDHOZ = holding;
    FER->IDFERM = kFarmsPerHolding + 1;
    FER->NAME = "Большая ферма";
    Add(FERMA);
    for (int n = 1; n <= kBigFarmPassports; ++n) {
        fillPassport(kPassports + n);
        PAS->IDHOZ = holding;
        PAS->IDFERMA = kFarmsPerHolding + 1;
        Add(PASPORT);
    }
    store::commitPendingWrites();
}

std::string firstCell(headless::Harness& h, const char* list) {
    const auto row = h.row(list, 1);
    return row && !row->empty() ? row->front() : std::string();
}

}  // namespace

void registerCases(const Fixture&) {
    store::commitPendingWrites();
    const script::ProcedureRegistry noTools;
    headless::Harness h;
    h.addProcedure("Browsehoz", [&] { registry::Browsehoz(noTools); }, 50000);
    // The harness's first thread is the program's thread 1, which builds its managers itself.
    h.addProcedure("FirstThread", [] { DCTINIT(); });
    play(h.start("FirstThread"), "first thread");
    const double open = millisecondsOf([&] { play(h.start("Browsehoz"), "open"); });
    int shown = 0;
    for (const char* list : {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:3", "?LIST:4"})
        shown += h.row(list, 1) ? 1 : 0;
    reportStep("register-open", open, "passports=" + std::to_string(kPassports) + " lists_shown=" + std::to_string(shown));

    addBigFarm();
    play(h.key("?LIST", "End"), "last farm");
    int steps = 0;
    double total = 0, slowest = 0;
    for (std::string top = firstCell(h, "?LIST:2");;) {
        const double ms = millisecondsOf([&] { play(h.key("?LIST:2", "PageDown"), "page down"); });
        const std::string next = firstCell(h, "?LIST:2");
        if (next == top) break;
        top = next;
        ++steps;
        total += ms;
        slowest = std::max(slowest, ms);
    }
    reportStep("register-scroll", steps ? total / steps : 0,
               "per_step steps=" + std::to_string(steps) + " slowest_ms=" + std::to_string(slowest).substr(0, 6));
}

}  // namespace vx::bench
