#include "bench/report_cases.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "bench/report.h"
#include "context/globals.h"
#include "database/database_choice.h"
#include "platform/headless/harness.h"
#include "platform/qt/page_painter.h"
#include "platform/report/preview.h"
#include "reports/report_windows.h"

namespace vx::bench {

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void line(const char* name, double ms, double limit, const std::string& what) {
    if (limit > 0)
        std::printf("%s ours_ms=%.1f limit_ms=%.0f %s%s\n", name, ms, limit, what.c_str(), ms < limit ? "" : " OVER LIMIT");
    else std::printf("%s ours_ms=%.1f %s\n", name, ms, what.c_str());
    std::fflush(stdout);
}

}  // namespace

void reportCases(const Fixture& fx) {
    const std::filesystem::path folder = fx.folder / "analysis";
    database::chooseDatabaseFolder(folder.string() + "/");
    {
        headless::Harness h;
        h.addProcedure("PrintQBE", reports::PrintQBE);
        glo::GLO_REPORTQUERYRESULT = "";
        // The preview opens once page 1 is laid out: that moment, as the renderer sees it.
        double firstPage = 0;
        const auto followed = h.renderer().onOpened;
        const Clock::time_point start = Clock::now();
        h.renderer().onOpened = [&](ui::Window& w) {
            if (firstPage == 0 && w.control(report::kPagesControl)) firstPage = since(start);
            followed(w);
        };
        if (const ui::Outcome o = h.start("PrintQBE"); !o) throw std::runtime_error("report: " + o.refusal);
        // Every second of the fixed clock is ten ticks of the progress window, then of the preview.
        auto tick = [&] {
            if (const ui::Outcome o = h.wait(1); !o) throw std::runtime_error("report: " + o.refusal);
        };
        while (!h.report()) tick();
        while (h.current()->timer() != 0) tick();
        const double whole = since(start);
        const ui::PagesControl* preview = h.report();
        const std::string pages = "pages=" + std::to_string(preview->pageCount());
        line("report-animal-list-100k", whole, 3000, "passports=100000 " + pages);
        line("report-first-page", firstPage, 500, pages);
        const std::string pdf = (fx.folder / "report-100k.pdf").string();
        std::string error;
        const double written = millisecondsOf([&] { error = qt::writePdf(*preview->document(), pdf); });
        if (!error.empty()) throw std::runtime_error(error);
        line("report-pdf-100k", written, 0,
             pages + " bytes=" + std::to_string(std::filesystem::file_size(pdf)));
        h.close();
    }
    database::chooseDatabaseFolder(fx.folder.string() + "/");
}

}  // namespace vx::bench
