#include "bench/journal_cases.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/operation_cases.h"
#include "bench/report.h"
#include "bench/window_steps.h"
#include "database/database_choice.h"
#include "dictionary/dictionary.h"
#include "dictionary/names.h"
#include "execution/journals/journals.h"
#include "platform/headless/harness.h"
#include "platform/store/record_file.h"
#include "windows/window_table.h"

namespace vx::bench {

using namespace dct;

namespace {

constexpr int kJournalHoldings = 50;
constexpr int kJournalFarmsPerHolding = 10;
constexpr int kRecordsPerPassport = 3;
constexpr int kBigFarmPassports = 2000;  // 6,000 records
constexpr double kStepLimitMs = 100;

void addAnimal(int id, int holding, int farm) {
    PAS->ID = id;
    PAS->IDHOZ = holding;
    PAS->IDFERMA = farm;
    PAS->IDANIM = "ИН" + std::to_string(100000 + id);
    PAS->VIDANIM = 1;
    PAS->DATAROG = 80000 + id % 3000;
    PAS->OSNMOL = 2;
    Add(PASPORT);
    for (int m = 1; m <= kRecordsPerPassport; ++m) {
        VPO->ID = id;
        VPO->IDHOZ = holding;
        VPO->IDFERMA = farm;
        VPO->IDANIM = PAS->IDANIM;
        VPO->VIDANIM = 1;
        VPO->IDTASK = Decimal::fromMantissa(10 * m, 1);
        VPO->DATATASK = PAS->DATAROG + 30 * m;
        VPO->AKTNOMER = m == 1 ? "12" : "";
        VPO->AKTDATA = m == 1 ? VPO->DATATASK + 1 : 0;
        Add(VPO);
    }
}

void addJournalDatabase() {
    openFiles();
    Access::BOLEZN->open();
    Access::BOLEZN->useFile();
    for (int m = 1; m <= kRecordsPerPassport; ++m) {
        BOL->ID = Decimal::fromMantissa(10 * m, 1);
        BOL->IDANIM = 1;
        BOL->NAME = "Мероприятие " + std::to_string(m);
        Add(BOLEZN);
    }
    int id = 0;
    addHoldingsAndFarms(kJournalHoldings, kJournalFarmsPerHolding, [&](int h, int f) {
        for (int n = 0; n < passports() / (kJournalHoldings * kJournalFarmsPerHolding); ++n) addAnimal(++id, h, f);
    });
    store::commitPendingWrites();
}

}  // namespace

void journalCases(const Fixture& fx) {
    store::commitPendingWrites();
    const std::filesystem::path folder = fx.folder / "journal";
    std::filesystem::create_directories(folder);
    database::chooseDatabaseFolder(folder.string() + "/");
    {
        const windows::WindowTable noTools;
        headless::Harness h;
        h.addProcedure("BrowseVPO", [&] { execution::BrowseVPO(noTools); });
        h.addProcedure("AddJournal", [] {
            DCTINIT();
            addJournalDatabase();
        });
        h.addProcedure("AddBigFarm", [] {
            addBigFarm(kJournalFarmsPerHolding + 1, kBigFarmPassports,
                       [](int n) { addAnimal(passports() + n, 1, kJournalFarmsPerHolding + 1); });
        });
        play(h.start("AddJournal"), "journal database");

        const double open = millisecondsOf([&] { play(h.start("BrowseVPO"), "open"); });
        int shown = 0;
        for (const char* list : {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:3"}) shown += h.row(list, 1) ? 1 : 0;
        reportStep("journal-open", open, kStepLimitMs,
                   "passports=" + std::to_string(passports()) +
                       " vpo=" + std::to_string(int64_t{passports()} * kRecordsPerPassport) +
                       " farms=" + std::to_string(kJournalHoldings * kJournalFarmsPerHolding) +
                       " lists_shown=" + std::to_string(shown));

        play(h.start("AddBigFarm"), "big farm");
        play(h.window("BrowseVPO"), "journal");
        play(h.key("?LIST", "End"), "last farm");
        const Steps steps = pageDownToEnd(h, "?LIST:3");
        char figures[96];
        std::snprintf(figures, sizeof figures, "per_step records=%d steps=%d slowest_ms=%.1f",
                      kBigFarmPassports * kRecordsPerPassport, steps.count, steps.slowest);
        reportStep("journal-scroll", steps.average, kStepLimitMs, figures);

        const double on = millisecondsOf([&] { play(h.press("?FLT"), "filter on"); });
        const double off = millisecondsOf([&] { play(h.press("?FLT"), "filter off"); });
        std::snprintf(figures, sizeof figures, "on_ms=%.1f off_ms=%.1f records=%d", on, off,
                      kBigFarmPassports * kRecordsPerPassport);
        reportStep("journal-filter", std::max(on, off), kStepLimitMs, figures);
    }
    operationCases(kJournalFarmsPerHolding + 1);
    database::chooseDatabaseFolder(fx.folder.string() + "/");
}

}  // namespace vx::bench
