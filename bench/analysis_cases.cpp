#include "bench/analysis_cases.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "bench/report.h"
#include "bench/sqlite_side.h"
#include "calculator/board.h"
#include "calculator/calculator_windows.h"
#include "context/globals.h"
#include "database/database_choice.h"
#include "dictionary/dictionary.h"
#include "dictionary/names.h"
#include "execution/plan_analysis.h"
#include "platform/core/dates.h"
#include "platform/headless/harness.h"
#include "platform/store/record_file.h"
#include "windows/window_table.h"

namespace vx::bench {

using namespace dct;
using execution::AnalysisScope;
using planning::MeasureKind;

namespace {

constexpr int kAnalysisHoldings = 50;
constexpr int kAnalysisFarmsPerHolding = 10;
constexpr int kAnalysisMeasuresPerPassport = 3;
constexpr int kAnalysisFarms = kAnalysisHoldings * kAnalysisFarmsPerHolding;
// As many records in each count file as there are passports.
int countRecords() { return passports(); }

const int32_t kPeriodFirst = makeDate(1, 1, 2025), kPeriodLast = makeDate(12, 31, 2025);
// Each side of a case runs this many times, the median counts.
constexpr int kRuns = 5;

// Measures 10 to 14 at stages .0, .1 and .2 (tenths of the id).
int64_t measureTenths(int i) { return (10 + i % 5) * 10 + i % 3; }

void fillCount(CountRecord& r, int holding, int farm, int i) {
    r.IDHOZ = holding;
    r.IDFERMA = farm;
    r.VIDANIM = i % 3 + 1;
    r.IDPOL = (i % 3 + 1) * 10;
    r.IDTASK = Decimal::fromMantissa(measureTenths(i), 1);
    r.CHPLAN = i % 2 == 0 ? 1 : 0;
    r.CHVUP = i % 2 == 0 ? 0 : 1;
    // One record in ten lies outside the period.
    const int32_t date = i % 10 == 0 ? kPeriodFirst - 30 : kPeriodFirst + i % 365;
    r.DATATASK = r.CHPLAN ? date : 0;
    r.DATAVUP = r.CHVUP ? date : 0;
    r.GLPVUP = r.CHPLAN ? 1 + i % 50 : 0;
    r.GLVUP = r.CHVUP ? 1 + i % 50 : 0;
}

// The files the calculator window holds open while its buttons run, and the
// diagnostic scheme of the board's measure.
void addDatabase() {
    for (AccessRef f : {Access::HOZ, Access::FERMA, Access::PASPORT, Access::VPO, Access::DVSEGO, Access::PVSEGO,
                        Access::TASK}) {
        f->open();
        f->useFile();
    }
    TAS->IDTASK = 12;
    TAS->NAME = "Туберкулинизация";
    TAS->VIDANIM = 1;
    Add(TASK);
    int passport = 0, count = 0;
    for (int h = 1; h <= kAnalysisHoldings; ++h) {
        HOZ->IDHOZ = h;
        HOZ->NAME = "Хозяйство " + std::to_string(h);
        Add(HOZ);
        for (int f = 1; f <= kAnalysisFarmsPerHolding; ++f) {
            FER->IDHOZ = h;
            FER->IDFERM = f;
            FER->NAME = "Ферма " + std::to_string(f);
            Add(FERMA);
            for (int n = 0; n < passports() / kAnalysisFarms; ++n) {
                fillPassport(++passport);
                PAS->IDHOZ = h;
                PAS->IDFERMA = f;
                Add(PASPORT);
                for (int m = 0; m < kAnalysisMeasuresPerPassport; ++m) {
                    const int i = passport * kAnalysisMeasuresPerPassport + m;
                    VPO->ID = passport;
                    VPO->IDHOZ = h;
                    VPO->IDFERMA = f;
                    VPO->IDANIM = PAS->IDANIM;
                    VPO->VIDANIM = PAS->VIDANIM;
                    VPO->IDTASK = Decimal::fromMantissa(measureTenths(i), 1);
                    VPO->GLPLAN = 1;
                    VPO->GOPLAN = 1;
                    VPO->GLVUP = i % 2;
                    VPO->GOVUP = i % 2;
                    VPO->DATATASK = PAS->DATAROG + 30 * m;
                    Add(VPO);
                }
            }
            for (int n = 0; n < countRecords() / kAnalysisFarms; ++n) {
                ++count;
                fillCount(*DVSEGO, h, f, count);
                Add(DVSEGO);
                fillCount(*PVSEGO, h, f, count);
                Add(PVSEGO);
            }
        }
    }
    store::commitPendingWrites();
}

struct Sums {
    std::array<int64_t, 2000> first{}, second{};
    void add(int64_t tenths, int64_t firstValue, int64_t secondValue) {
        const int64_t k = tenths / 10, stage = tenths % 10;
        if (k < 1 || k > 2000) return;
        if (stage <= 1) first[k - 1] += firstValue;
        else if (stage == 2) second[k - 1] += secondValue;
    }
};

// The journal analysis in plain SQLite: the holding's records in record order, summed by stage.
double sqliteJournalScan(int holding) {
    RawFile raw(glo::PUT6.str());
    Sums sums;
    const double ms = millisecondsOf([&] {
        Statement read(raw.db(), "SELECT IDTASK, GLVUP, GOVUP FROM records WHERE IDHOZ = ? ORDER BY pos");
        read.bind(1, holding);
        while (read.step()) sums.add(read.integer(0), read.integer(1), read.integer(2));
    });
    return ms;
}

// The count records of a holding in the period, in record order, with `more`
// conditions: IDTASK, CHPLAN, CHVUP, GLPVUP, GLVUP to `each`.
template <class Each>
double sqliteCountScan(int holding, const std::string& more, Each each) {
    RawFile raw(glo::PUT8.str());
    return millisecondsOf([&] {
        Statement
            read(raw.db(),
                 "SELECT IDTASK, CHPLAN, CHVUP, GLPVUP, GLVUP FROM records WHERE IDHOZ = ?1 AND "
                 "((DATATASK <> 0 AND DATATASK BETWEEN ?2 AND ?3) OR (DATAVUP <> 0 AND DATAVUP BETWEEN ?2 AND ?3))" +
                     more + " ORDER BY pos");
        read.bind(1, holding);
        read.bind(2, kPeriodFirst);
        read.bind(3, kPeriodLast);
        while (read.step()) each(read);
    });
}

// The calculator analysis in plain SQLite: plans and executions by stage.
double sqliteCalculatorScan(int holding) {
    Sums done, planned;
    return sqliteCountScan(holding, "", [&](const Statement& r) {
        if (r.integer(2) == 1) done.add(r.integer(0), r.integer(4), r.integer(4));
        if (r.integer(1) == 1) planned.add(r.integer(0), r.integer(3), r.integer(3));
    });
}

// The board in plain SQLite: one measure number and species.
double sqliteBoardScan(int holding, int species, int measure) {
    int64_t sums[4] = {};
    return sqliteCountScan(holding, " AND VIDANIM = " + std::to_string(species), [&](const Statement& r) {
        const int64_t tenths = r.integer(0);
        if (tenths / 10 != measure || tenths % 10 > 2) return;
        const bool heads = tenths % 10 != 2;
        if (r.integer(1) == 1) {
            if (heads) sums[0] += r.integer(3);
            sums[1] += r.integer(3);
        }
        if (r.integer(2) == 1) {
            if (heads) sums[2] += r.integer(4);
            sums[3] += r.integer(4);
        }
    });
}

}  // namespace

void analysisCases(const Fixture& fx) {
    store::commitPendingWrites();
    const std::filesystem::path folder = fx.folder / "analysis";
    std::filesystem::create_directories(folder);
    database::chooseDatabaseFolder(folder.string() + "/");
    {
        headless::Harness h;
        double journal = 0, counts = 0, board = 0;
        std::string boardLine;
        // The harness's first thread is the program's thread 1, which builds its managers itself.
        h.addProcedure("Analyses", [&] {
            DCTINIT();
            addDatabase();
            const execution::AnalysisSelection holding{AnalysisScope::Holding,
                                                       Decimal(1),
                                                       Decimal(1),
                                                       {kPeriodFirst, kPeriodLast}};
            journal = medianOf(kRuns, [&] {
                return millisecondsOf([&] {
                    execution::scanAnalysis(execution::AnalysisSource::Journal, MeasureKind::Preventive, holding);
                });
            });
            counts = medianOf(kRuns, [&] {
                return millisecondsOf([&] {
                    execution::scanAnalysis(execution::AnalysisSource::Calculator, MeasureKind::Diagnostic, holding);
                });
            });
            calculator::BoardSelection selection{MeasureKind::Diagnostic, holding, Decimal(1), Decimal(12)};
            std::optional<calculator::Board> shown;
            board = medianOf(kRuns, [&] { return millisecondsOf([&] { shown = calculator::runBoard(selection); }); });
            if (shown)
                boardLine =
                    "planned=" + shown->sums.treatmentsPlanned.plain() + " done=" + shown->sums.treatmentsDone.plain();
        });
        const ui::Outcome o = h.start("Analyses");
        if (!o) throw std::runtime_error("analysis database: " + o.refusal);
        const int64_t measures = int64_t{passports()} * kAnalysisMeasuresPerPassport;
        reportAgainstLimit(sized("analysis-scan", measures).c_str(), journal,
                           medianOf(kRuns, [] { return sqliteJournalScan(1); }), limitForSize(1000),
                           "records=" + std::to_string(measures) + " passports=" + std::to_string(passports()) +
                               " farms=" + std::to_string(kAnalysisFarms));
        reportAgainstLimit(sized("calc-analysis-scan", countRecords()).c_str(), counts,
                           medianOf(kRuns, [] { return sqliteCalculatorScan(1); }), limitForSize(500),
                           "records=" + std::to_string(countRecords()));
        reportAgainstLimit(sized("board", countRecords()).c_str(), board,
                           medianOf(kRuns, [] { return sqliteBoardScan(1, 1, 12); }), limitForSize(500),
                           "records=" + std::to_string(countRecords()) + " " + boardLine);

        h.addProcedure("BRWvdi", [] { calculator::BRWvdi(windows::WindowTable{}); }, 25000);
        const double open = millisecondsOf([&] {
            if (const ui::Outcome started = h.start("BRWvdi"); !started)
                throw std::runtime_error("calculator: " + started.refusal);
        });
        int shown = 0;
        for (const char* list : {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:3"}) shown += h.row(list, 1) ? 1 : 0;
        std::printf("calc-open ours_ms=%.1f limit_ms=100 records=%d lists_shown=%d%s\n", open, countRecords(), shown,
                    open < 100 ? "" : " OVER LIMIT");
        std::fflush(stdout);
    }
    database::chooseDatabaseFolder(fx.folder.string() + "/");
}

}  // namespace vx::bench
