#include "bench/exchange_cases.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "bench/report.h"
#include "bench/sqlite_side.h"
#include "context/globals.h"
#include "database/database_choice.h"
#include "dictionary/dictionary.h"
#include "dictionary/names.h"
#include "exchange/animal_export.h"
#include "exchange/animal_import.h"
#include "office/excel_template.h"
#include "office/tests/office_fixture.h"
#include "platform/headless/harness.h"
#include "platform/office/office_program.h"
#include "platform/store/record_file.h"

namespace vx::bench {

using namespace dct;

namespace {

constexpr int kTitleRow = 16;

// The farms of holding 1 the exports read: their marked animals and the limit of an export.
struct Farm {
    int id;
    int animals;
    const char* exportCase;
    double limitMs;
};
constexpr Farm kFarms[] = {{1, 10000, "export-marked-10k", 3000}, {2, 100000, "export-marked-100k", 8000}};
constexpr int kImported = 10000;
constexpr double kImportLimitMs = 3000;

// The books, holdings and farms of the fixture, and the marked animals of each farm above.
void addAnimals() {
    openFiles();
    addBooksAndHoldings();
    int id = 0;
    for (const Farm& farm : kFarms)
        for (int i = 0; i < farm.animals; ++i) {
            fillPassport(++id);
            PAS->IDHOZ = 1;
            PAS->IDFERMA = farm.id;
            PAS->CHEK = 1;
            Add(PASPORT);
        }
    store::commitPendingWrites();
}

// The export's read in plain SQLite: the farm's marked animals without a disposal, by address
// and inventory number without regard to case, with the fields variant 1 writes.
double sqliteMarkedAnimals(int farm) {
    RawFile raw(glo::PUT5.str());
    return millisecondsOf([&] {
        Statement read(raw.db(),
                       "SELECT ID, IDANIM, DATAROG, VIDANIM, IDPOL, FIO, ADRES FROM records WHERE IDHOZ = 1 AND "
                       "IDFERMA = ? AND CHEK = 1 AND PRICH = '' ORDER BY ADRES__key, IDANIM__key, pos");
        read.bind(1, farm);
        std::size_t bytes = 0;
        while (read.step())
            for (int c = 0; c < read.columns(); ++c) bytes += read.text(c).size();
        if (bytes == 0) throw std::runtime_error("the exchange database has no marked animals");
    });
}

std::string outcome(int rows, bool ok) { return "rows=" + std::to_string(rows) + (ok ? "" : " FAILED"); }

}  // namespace

void exchangeCases(const Fixture& fx) {
    store::commitPendingWrites();
    const std::filesystem::path folder = fx.folder / "exchange";
    std::filesystem::create_directories(folder);
    database::chooseDatabaseFolder(folder.string() + "/");
    setenv("VETRIX_OFFICE_SHOW_DIR", folder.c_str(), 1);
    const std::string path = (folder / "шаблон экспорта.xlsx").string();
    office::testing::makeTemplate(path, "Calc MS Excel 2007 XML");
    {
        headless::Harness h;
        double exportMs[std::size(kFarms)] = {}, importMs = 0;
        bool exported[std::size(kFarms)] = {}, imported = false;
        h.addProcedure("Exchange", [&] {
            DCTINIT();
            addAnimals();
            exchange::ExportChoice c;
            c.templatePath = path;
            c.variant = 1;
            c.firstRow = kTitleRow;
            c.holding = 1;
            for (std::size_t f = 0; f < std::size(kFarms); ++f) {
                c.farm = kFarms[f].id;
                exportMs[f] =
                    millisecondsOf([&] { exported[f] = exchange::runExport(c) == exchange::ExportEnd::Done; });
            }
            // The import reads the sheet of variant 8 of the first farm, written outside the clock.
            c.variant = 8;
            c.farm = kFarms[0].id;
            const bool written = exchange::runExport(c) == exchange::ExportEnd::Done;
            const std::string sheet = (folder / ("shown-" + std::to_string(glo::FEQOLE) + ".ods")).string();
            const exchange::ImportChoice into{Decimal(1), Decimal(3), sheet, kTitleRow + 1, kTitleRow + kImported};
            importMs = millisecondsOf(
                [&] { imported = written && exchange::runImport(into) == exchange::ImportEnd::Done; });
        });
        // The office server is running before the clock starts.
        office::ExcelTemplate warm;
        warm.open(path);
        const ui::Outcome o = h.start("Exchange");
        if (!o) throw std::runtime_error("exchange database: " + o.refusal);
        for (std::size_t f = 0; f < std::size(kFarms); ++f)
            reportAgainstLimit(kFarms[f].exportCase, exportMs[f], sqliteMarkedAnimals(kFarms[f].id),
                               kFarms[f].limitMs, outcome(kFarms[f].animals, exported[f]));
        std::printf("import-10k ours_ms=%.1f limit_ms=%.0f %s%s\n", importMs, kImportLimitMs,
                    outcome(kImported, imported).c_str(), importMs < kImportLimitMs ? "" : " OVER LIMIT");
        std::fflush(stdout);
    }
    office::endOfficeServer();
    database::chooseDatabaseFolder(fx.folder.string() + "/");
}

}  // namespace vx::bench
