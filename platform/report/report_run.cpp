#include "platform/report/report_run.h"

#include <chrono>
#include <optional>

#include "platform/classes/ini_manager.h"
#include "platform/core/dates.h"
#include "platform/core/picture.h"
#include "platform/data/view.h"
#include "platform/report/preview.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/layout.h"

namespace vx::report {

namespace {

using rt::Level;
using Clock = std::chrono::steady_clock;
// One tick's work: the other windows wait no longer than this.
constexpr auto kSlice = std::chrono::milliseconds(40);
// Every read of an ordered view is a query of its own that sorts the file again, so
// reads are large; the first is smaller, for the first slice's sake.
constexpr int kFirstChunk = 1024;
constexpr int kLargestChunk = 16384;
constexpr int kTickHundredths = 10;

std::string shortTime(int32_t clock) { return formatTime(clock).substr(0, 5); }

class ProgressWindow {
public:
    explicit ProgressWindow(const std::string& procedure) : w_(ui::WindowKind::Plain, procedure) {
        w_.setCaption("Формирую...");
        w_.setResize(ui::ResizeStrategy::None);
        ui::LayoutBuilder b(w_);
        b.column([&] {
            bar_ = &b.progress("?Progress:Thermometer");
            percent_ = &b.prompt("0%", "?Progress:PctText");
            b.prompt("", "?Progress:UserString");
            b.button("?Progress:Cancel", "Отмена").setTooltip("Cancel Report");
        });
        w_.setTimer(kTickHundredths);
        if (rt::IniFile* ini = classes::iniManager()) w_.restorePlacement(*ini);
        w_.open();
    }
    ~ProgressWindow() {
        if (rt::IniFile* ini = classes::iniManager()) w_.savePlacement(*ini);
        w_.close();
    }

    // The next thing the user or the timer asks for.
    enum class Ask { Tick, Cancel, Other };
    Ask next() {
        const ui::Event e = w_.nextEvent();
        if (e.kind == ui::EventKind::Timer) return Ask::Tick;
        if (e.kind == ui::EventKind::CloseWindow || e.kind == ui::EventKind::CloseDown) return Ask::Cancel;
        if (e.kind == ui::EventKind::Accepted && e.control == w_.idOf("?Progress:Cancel")) return Ask::Cancel;
        return Ask::Other;
    }
    // Whether a cancel or a close came in while the last slice ran (it may finish the report first).
    bool cancelQueued() {
        while (w_.hasEvents())
            if (next() == Ask::Cancel) return true;
        return false;
    }
    void show(int percent) {
        bar_->setPercent(percent);
        percent_->setText(std::to_string(bar_->percent()) + "%");
    }

private:
    ui::Window w_;
    ui::ProgressControl* bar_ = nullptr;
    ui::Control* percent_ = nullptr;
};

struct Reading {
    data::View view;
    std::optional<data::ViewRow> last;
    data::ViewRow previousRow, currentRow;
    long long total = 1;
    long long read = 0;
    int chunk = kFirstChunk;
    bool done = false;
    explicit Reading(data::FileManager& primary) : view(primary) {}
};

// Reads and lays out records until the slice's time is up or the view ends.
void slice(Reading& r, ReportLayout& layout) {
    const auto until = Clock::now() + kSlice;
    auto each = [&](const data::ViewRow& row) {
        std::swap(r.previousRow, r.currentRow);
        r.currentRow = row;
        layout.take();
    };
    while (!r.done && Clock::now() < until) {
        const int chunk = r.chunk;
        std::vector<data::ViewRow> rows = r.view.read(r.last ? &*r.last : nullptr, chunk, false, each);
        r.chunk = std::min(chunk * 2, kLargestChunk);
        r.read += static_cast<long long>(rows.size());
        if (static_cast<int>(rows.size()) < chunk) r.done = true;
        if (!rows.empty()) r.last = std::move(rows.back());
    }
}

}  // namespace

ReportResult layOutReport(const ReportDefinition& def, ReportLayout& layout) {
    ReportResult result{rt::response::Cancelled, nullptr};
    std::string filter = def.filter;
    if (def.handOver && !def.handOver->blank()) {
        filter = def.handOver->str();
        *def.handOver = "";
    }
    if (def.primary->useFile() != Level::Benign) return result;
    Reading r(*def.primary);
    r.view.reuseParents(true);
    if (def.orderKey >= 0) r.view.orderByKey(def.orderKey);
    else if (auto error = r.view.orderBy(def.orderText)) throw std::logic_error("report order: " + error->describe());
    if (!def.tieOrder.empty())
        if (auto error = r.view.appendOrder(def.tieOrder)) throw std::logic_error("report order: " + error->describe());
    if (!def.range.empty()) r.view.setRange(def.range);
    for (const Lookup& l : def.lookups) {
        if (l.parent->useFile() != Level::Benign) return result;
        r.view.join(*l.parent, l.key, l.fields, l.from);
    }
    if (auto error = r.view.setFilter(filter, def.names)) {
        ui::messageBox(kFilterErrorCaption, kFilterErrorText + filter);
        return result;
    }
    if (r.view.open() != Level::Benign) return result;
    r.total = std::max<long long>(1, def.primary->table().count());

    layout.recall = {[&r] { r.view.load(r.previousRow); }, [&r] { r.view.load(r.currentRow); }};
    struct Forget {
        ReportLayout& l;
        ~Forget() { l.recall = {}; }
    } forget{layout};
    layout.begin(def.title, formatDate(clock::today()), shortTime(clock::now()));
    {
        ProgressWindow progress(def.procedure);
        while (!r.done) {
            const ProgressWindow::Ask ask = progress.next();
            if (ask == ProgressWindow::Ask::Cancel) return result;
            if (ask != ProgressWindow::Ask::Tick) continue;
            slice(r, layout);
            progress.show(static_cast<int>(r.done ? 100 : r.read * 100 / r.total));
        }
        if (progress.cancelQueued()) return result;
    }
    layout.end();
    if (layout.records() == 0) {
        rt::GLOBALERRORS.raise(rt::MessageId::NoRecords);
        return result;
    }
    result.response = rt::response::Completed;
    result.document = std::make_shared<const pages::Document>(layout.takeDocument());
    return result;
}

Byte runReport(const ReportDefinition& def, ReportLayout& layout) {
    ReportResult result = layOutReport(def, layout);
    if (result.response == rt::response::Completed) showPreview(def.procedure, std::move(result.document));
    return result.response;
}

}  // namespace vx::report
