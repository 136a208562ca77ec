#include "bench/office_cases.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/report.h"
#include "office/excel_template.h"
#include "office/tests/office_fixture.h"
#include "platform/office/office_program.h"

namespace vx::bench {
namespace {

enum class Pattern { Analysis, Export, List };

// The three ways the program fills a sheet: an analysis (a new row per line with
// a percentage formula), an export (a new row per animal, texts and numbers) and
// a list written over the template's rows (no rows added).
bool fill(const std::string& path, Pattern pattern, int rows) {
    office::ExcelTemplate x;
    x.open(path);
    x.setText("A2", "Анализ выполнения мероприятий");
    for (int r = 17; r < 17 + rows; ++r) {
        if (pattern != Pattern::List) x.addRowBelow(r);
        x.setNumber(office::ExcelTemplate::cell("A", r), std::int64_t{r});
        x.setText(office::ExcelTemplate::cell("B", r), "Вакцинация против сибирской язвы");
        x.setNumber(office::ExcelTemplate::cell("C", r), *Decimal::parse("12.5"));
        const std::string rr = std::to_string(r);
        if (pattern == Pattern::Analysis) {
            x.setText(office::ExcelTemplate::cell("E", r), "=ЕСЛИ(C" + rr + ">0;D" + rr + "/C" + rr + "*100;)");
        } else {
            x.setText(office::ExcelTemplate::cell("D", r), "Иванов Иван Иванович");
            x.setText(office::ExcelTemplate::cell("E", r), "ул. Садовая, д. " + rr);
            x.setText(office::ExcelTemplate::cell("F", r), "05.03.2019");
        }
    }
    x.control().flush();
    return !x.failed();
}

void reportFill(const std::string& name, double ms, int rows, bool ok) {
    std::printf("%s ours_ms=%.1f rows=%d%s\n", name.c_str(), ms, rows, ok ? "" : " FAILED");
    std::fflush(stdout);
}

}  // namespace

void officeCases(const Fixture& fx) {
    // Nothing is shown: the filled workbooks close with their controls.
    setenv("VETRIX_OFFICE_SHOW_DIR", fx.folder.c_str(), 1);
    const std::string path = fx.file("шаблон.xlsx");
    office::testing::makeTemplate(path, "Calc MS Excel 2007 XML");
    office::endOfficeServer();

    bool ok = false;
    double ms = millisecondsOf([&] { ok = fill(path, Pattern::Analysis, 20); });
    reportFill("office-first-fill", ms, 20, ok);
    ms = millisecondsOf([&] { ok = fill(path, Pattern::Analysis, 20); });
    reportFill("office-later-fill", ms, 20, ok);
    const struct {
        const char* name;
        Pattern pattern;
        int rows;
    } cases[] = {{"office-analysis-rows", Pattern::Analysis, 300},
                 {"office-export-rows", Pattern::Export, 1000},
                 {"office-export-rows", Pattern::Export, 10000},
                 {"office-list-rows", Pattern::List, 34000}};
    for (const auto& c : cases) {
        ms = millisecondsOf([&] { ok = fill(path, c.pattern, c.rows); });
        reportFill(std::string(c.name) + "-" + std::to_string(c.rows), ms, c.rows, ok);
    }
    office::endOfficeServer();
}

}  // namespace vx::bench
