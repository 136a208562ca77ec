#include "bench/exchange_cases.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "bench/report.h"
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

constexpr int kAnimals = 10000;
constexpr double kLimitMs = 3000;
constexpr int kTitleRow = 16;

// The books, holdings and farms of the fixture, and 10,000 marked animals of holding 1, farm 1.
void addAnimals() {
    openFiles();
    addBooksAndHoldings();
    for (int i = 1; i <= kAnimals; ++i) {
        fillPassport(i);
        PAS->IDHOZ = 1;
        PAS->IDFERMA = 1;
        PAS->CHEK = 1;
        Add(PASPORT);
    }
    store::commitPendingWrites();
}

void reportCase(const char* name, double ms, bool ok) {
    std::printf("%s ours_ms=%.1f rows=%d limit_ms=%.0f%s\n", name, ms, kAnimals, kLimitMs,
                !ok             ? " FAILED"
                : ms < kLimitMs ? ""
                                : " OVER LIMIT");
    std::fflush(stdout);
}

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
        double exportMs = 0, importMs = 0;
        bool exported = false, imported = false;
        h.addProcedure("Exchange", [&] {
            DCTINIT();
            addAnimals();
            exchange::ExportChoice c;
            c.templatePath = path;
            c.variant = 1;
            c.firstRow = kTitleRow;
            c.holding = 1;
            c.farm = 1;
            exportMs = millisecondsOf([&] { exported = exchange::runExport(c) == exchange::ExportEnd::Done; });
            // The import reads the sheet of variant 8, written outside the clock.
            c.variant = 8;
            exported = exported && exchange::runExport(c) == exchange::ExportEnd::Done;
            const std::string sheet = (folder / ("shown-" + std::to_string(glo::FEQOLE) + ".ods")).string();
            const exchange::ImportChoice into{Decimal(1), Decimal(2), sheet, kTitleRow + 1, kTitleRow + kAnimals};
            importMs = millisecondsOf([&] { imported = exchange::runImport(into) == exchange::ImportEnd::Done; });
        });
        // The office server is running before the clock starts.
        office::ExcelTemplate warm;
        warm.open(path);
        const ui::Outcome o = h.start("Exchange");
        if (!o) throw std::runtime_error("exchange database: " + o.refusal);
        reportCase("export-marked-10k", exportMs, exported);
        reportCase("import-10k", importMs, imported);
    }
    office::endOfficeServer();
    database::chooseDatabaseFolder(fx.folder.string() + "/");
}

}  // namespace vx::bench
