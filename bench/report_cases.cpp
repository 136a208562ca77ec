#include "bench/report_cases.h"

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

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

// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM"); 0 when there is none.
double statusMb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field + ":")) return std::stod(line.substr(field.size() + 1)) / 1024;
    return 0;
}

// The memory a case needs: how far the high-water mark rises above what was resident before
// it. The heap the cases before freed is given back first, so the case cannot hide in it, and
// the mark is brought down to what is resident (clear_refs 5), so their peaks do not hide it.
class PeakMemory {
public:
    PeakMemory() {
        malloc_trim(0);
        std::ofstream clear("/proc/self/clear_refs");
        reset_ = static_cast<bool>(clear << "5" << std::flush);
        before_ = statusMb(reset_ ? "VmRSS" : "VmHWM");
    }
    std::string measured() const {
        char text[32];
        std::snprintf(text, sizeof text, "peak_mb=%.0f", statusMb("VmHWM") - before_);
        return text;
    }

private:
    bool reset_ = false;
    double before_ = 0;
};

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
        const PeakMemory memory;
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
        const std::string size = std::to_string(passports());
        line(sized("report-animal-list", passports()).c_str(), whole, limitForSize(1000),
             "passports=" + size + " " + pages + " " + memory.measured());
        line("report-first-page", firstPage, 500, pages);
        const std::string pdf = (fx.folder / "report.pdf").string();
        std::string error;
        const double written = millisecondsOf([&] { error = qt::writePdf(*preview->document(), pdf); });
        if (!error.empty()) throw std::runtime_error(error);
        line(sized("report-pdf", passports()).c_str(), written, 0,
             pages + " bytes=" + std::to_string(std::filesystem::file_size(pdf)));
        h.close();
    }
    database::chooseDatabaseFolder(fx.folder.string() + "/");
}

}  // namespace vx::bench
