#include "bench/register_cases.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/report.h"
#include "bench/window_steps.h"
#include "database/database_choice.h"
#include "dictionary/dictionary.h"
#include "dictionary/names.h"
#include "platform/headless/harness.h"
#include "platform/store/record_file.h"
#include "platform/ui/desktop.h"
#include "registry/register/register_window.h"
#include "windows/window_table.h"

namespace vx::bench {

using namespace dct;

namespace {

// A database of its own beside the fixture's, shaped as a district's register.
constexpr int kRegisterHoldings = 50;
constexpr int kRegisterFarmsPerHolding = 10;
constexpr int kBigFarmPassports = 2000;
constexpr double kStepLimitMs = 100;

// Two preventive and one diagnostic record for every animal, so each move reloads measure lists with rows.
void addMeasures() {
    for (int m = 1; m <= 2; ++m) {
        VPO->ID = PAS->ID;
        VPO->IDHOZ = PAS->IDHOZ;
        VPO->IDFERMA = PAS->IDFERMA;
        VPO->IDANIM = PAS->IDANIM;
        VPO->IDTASK = Decimal::fromMantissa(100 + m, 1);
        VPO->DATATASK = PAS->DATAROG + 30 * m;
        Add(VPO);
    }
    VDI->ID = PAS->ID;
    VDI->IDHOZ = PAS->IDHOZ;
    VDI->IDFERMA = PAS->IDFERMA;
    VDI->IDANIM = PAS->IDANIM;
    VDI->IDTASK = Decimal::fromMantissa(201, 1);
    VDI->DATATASK = PAS->DATAROG + 45;
    Add(VDI);
}

void addPassport(int id, int holding, int farm) {
    PAS->ID = id;
    PAS->IDHOZ = holding;
    PAS->IDFERMA = farm;
    PAS->FIO = "Владелец " + std::to_string(id % 997);
    PAS->ADRES = "ул. Садовая, " + std::to_string(id % 211);
    PAS->IDANIM = "ИН" + std::to_string(100000 + id);
    PAS->VIDANIM = id % 3 + 1;
    PAS->IDPOL = (id % 3 + 1) * 10 + id % 4;
    PAS->DATAROG = 80000 + id % 3000;
    PAS->OSNMOL = id % 5 == 0 ? 1 : 2;
    PAS->CHEK = id % 7 == 0 ? 1 : 0;
    Add(PASPORT);
    addMeasures();
}

// 50 holdings of 10 farms, 200 passports each, with their measure records.
void addRegister() {
    openFiles();
    int id = 0;
    addHoldingsAndFarms(kRegisterHoldings, kRegisterFarmsPerHolding, [&](int h, int f) {
        for (int n = 0; n < passports() / (kRegisterHoldings * kRegisterFarmsPerHolding); ++n) addPassport(++id, h, f);
    });
    store::commitPendingWrites();
}

}  // namespace

void registerCases(const Fixture& fx) {
    store::commitPendingWrites();
    const std::filesystem::path folder = fx.folder / "register";
    std::filesystem::create_directories(folder);
    database::chooseDatabaseFolder(folder.string() + "/");
    {
        const windows::WindowTable noTools;
        headless::Harness h;
        h.addProcedure(
            "Browsehoz", [&] { registry::Browsehoz(noTools); }, 50000);
        // The harness's first thread is the program's thread 1, which builds its managers itself.
        h.addProcedure("AddRegister", [] {
            DCTINIT();
            addRegister();
        });
        h.addProcedure("AddBigFarm", [] {
            addBigFarm(kRegisterFarmsPerHolding + 1, kBigFarmPassports,
                       [](int n) { addPassport(passports() + n, 1, kRegisterFarmsPerHolding + 1); });
        });
        play(h.start("AddRegister"), "register database");

        const double open = millisecondsOf([&] { play(h.start("Browsehoz"), "open"); });
        int shown = 0;
        for (const char* list : {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:3", "?LIST:4"})
            shown += h.row(list, 1) ? 1 : 0;
        reportStep("register-open", open, kStepLimitMs,
                   "passports=" + std::to_string(passports()) +
                       " holdings=" + std::to_string(kRegisterHoldings) +
                       " farms=" + std::to_string(kRegisterHoldings * kRegisterFarmsPerHolding) +
                       " lists_shown=" + std::to_string(shown));

        play(h.start("AddBigFarm"), "big farm");
        play(h.window("Browsehoz"), "register");
        play(h.key("?LIST", "End"), "last farm");
        const Steps steps = pageDownToEnd(h, "?LIST:2");
        char figures[96];
        std::snprintf(figures, sizeof figures, "per_step passports=%d steps=%d slowest_ms=%.1f", kBigFarmPassports,
                      steps.count, steps.slowest);
        reportStep("register-scroll", steps.average, kStepLimitMs, figures);

        // Another window's whole-file write over the passports and both measure files:
        // the animal list and the measure lists read their pages again.
        const double refill = millisecondsOf([&] {
            for (const char* file : {"PASPORT", "VPO", "VDI"}) ui::desktop().announceWrite(file);
            play(h.wait(0), "refill");
        });
        reportStep("register-refill-after-write", refill, kStepLimitMs,
                   "passports=" + std::to_string(passports() + kBigFarmPassports) + " files=3");
    }
    database::chooseDatabaseFolder(fx.folder.string() + "/");
}

}  // namespace vx::bench
