#include "bench/card_cases.h"

#include <cstdio>
#include <string>
#include <vector>

#include "bench/report.h"
#include "bench/sqlite_side.h"
#include "context/globals.h"
#include "dictionary/files_in_use.h"
#include "dictionary/names.h"
#include "planning/cards/card_plan.h"
#include "platform/core/dates.h"
#include "platform/store/record_file.h"

namespace vx::bench {

using namespace dct;
using planning::MeasureKind;

namespace {

constexpr double kLimitMs = 3000;

void addCardOfThreeLines() {
    KAR->IDKARTIP = 1;
    KAR->VIDANIM = 1;
    KAR->NAME = "Карта";
    Add(KARTIP);
    const struct {
        int tenths, days;
        int32_t fixed;
    } lines[] = {{200, 10, 0}, {211, 0, makeDate(6, 1, 2025)}, {222, 30, 0}};
    for (const auto& l : lines) {
        SOD->IDKARTIP = 1;
        SOD->IDTASK = Decimal::fromMantissa(l.tenths, 1);
        SOD->VIDANIM = 1;
        SOD->DNEY = l.days;
        SOD->TASKDATA = l.fixed;
        SOD->GLPLAN = 1;
        SOD->GOPLAN = 1;
        Add(SODKART);
    }
    store::commitPendingWrites();
}

// Every VDI record as our store wrote it.
std::vector<std::vector<Cell>> plannedRows(const std::vector<std::string>& columns) {
    std::vector<std::vector<Cell>> rows;
    store::Table& records = VDI.handle().database()->table();
    records.scan({}, [&](store::Position, const void* record) {
        rows.push_back(cellsOf(records.def(), record, columns));
        return true;
    });
    return rows;
}

}  // namespace

void cardCases(const Fixture& fx) {
    const FilesInUse files{Access::KARTIP, Access::SODKART, Access::VDI};
    addCardOfThreeLines();
    planning::schemes::PlanOutcome outcome;
    const double ours = millisecondsOf([&] {
        outcome = planning::cards::planCard(MeasureKind::Diagnostic, Decimal(1));
        store::commitPendingWrites();
    });
    RawFile raw(fx.file("raw-vdi.tps"), glo::PUT7.str());
    const std::vector<std::string> columns = raw.columns();
    const double sqlite = appendedInOneTransaction(raw, columns, plannedRows(columns));
    const std::string name = sized("card-plan", passports());
    const double limit = limitForSize(kLimitMs);
    report(name, ours, sqlite);
    std::printf("%s limit_ms=%.0f added=%d stored=%s%s\n", name.c_str(), limit, outcome.added,
                outcome.stored ? "yes" : "no", ours < limit ? "" : " OVER LIMIT");
    std::fflush(stdout);
}

}  // namespace vx::bench
