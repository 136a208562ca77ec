#include "platform/report/report_run.h"

#include <algorithm>
#include <chrono>

#include "platform/classes/ini_manager.h"
#include "platform/core/dates.h"
#include "platform/core/picture.h"
#include "platform/core/text.h"
#include "platform/data/view.h"
#include "platform/data/view_cursor.h"
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
// The first page's rows come from a read of their own; after them the clock is
// looked at every step's rows.
constexpr int kFirstRows = 1024;
constexpr int kStepRows = 256;
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

// The view read in slices into the layout; what is left after the first page is the preview's to finish.
class Reading : public RestOfReport {
public:
    Reading(data::FileManager& primary, ReportLayout& layout) : view(primary), layout_(layout) {}

    bool done() const override { return ended_; }
    int percent() const override { return ended_ ? 100 : static_cast<int>(std::min(99LL, read_ * 100 / total)); }
    int finishedPages() const override { return layout_.finishedPages(); }

    // Reads and lays out records until the slice's time is up or the view ends; the slice
    // that finishes the first page ends with it, so the preview opens before the rest is sorted.
    void slice() override {
        const auto until = Clock::now() + kSlice;
        auto each = [&](const data::ViewRow& row) {
            std::swap(previousRow_, currentRow_);
            currentRow_ = row;
            layout_.take();
        };
        const bool firstPage = layout_.finishedPages() == 0;
        while (!rows_.ended() && Clock::now() < until && !(firstPage && layout_.finishedPages() > 0))
            read_ += rows_.next(kStepRows, each);
        if (rows_.ended() && !ended_) {
            layout_.end();
            ended_ = true;
        }
    }

    // While footers print, the record before the break is back in the buffers.
    void recallPrevious() { view.load(previousRow_); }
    void recallCurrent() { view.load(currentRow_); }

    data::View view;
    long long total = 1;

private:
    ReportLayout& layout_;
    data::ViewCursor rows_{view, kFirstRows};
    data::ViewRow previousRow_, currentRow_;
    long long read_ = 0;
    bool ended_ = false;
};

}  // namespace

Byte runReport(const ReportDefinition& def, ReportLayout& layout) {
    const Byte cancelled = rt::response::Cancelled;
    std::string filter = def.filter;
    if (def.handOver && !clip(*def.handOver).empty()) {
        filter = clip(*def.handOver);
        def.handOver->clear();
    }
    if (def.primary->useFile() != Level::Benign) return cancelled;
    Reading r(*def.primary, layout);
    r.view.reuseParents(true);
    if (def.orderKey >= 0) r.view.orderByKey(def.orderKey);
    else if (auto error = r.view.orderBy(def.orderText)) throw std::logic_error("report order: " + error->describe());
    if (!def.tieOrder.empty())
        if (auto error = r.view.appendOrder(def.tieOrder)) throw std::logic_error("report order: " + error->describe());
    if (!def.range.empty()) r.view.setRange(def.range);
    for (const Lookup& l : def.lookups) {
        if (l.parent->useFile() != Level::Benign) return cancelled;
        r.view.join(*l.parent, l.key, l.fields, l.from);
    }
    if (auto error = r.view.setFilter(filter, def.names)) {
        ui::messageBox(kFilterErrorCaption, kFilterErrorText + filter);
        return cancelled;
    }
    if (r.view.open() != Level::Benign) return cancelled;
    r.total = std::max<long long>(1, def.primary->table().count());

    layout.recall = {[&r] { r.recallPrevious(); }, [&r] { r.recallCurrent(); }};
    struct Forget {
        ReportLayout& l;
        ~Forget() { l.recall = {}; }
    } forget{layout};
    layout.pagesOnDisk = true;
    layout.begin(def.title, formatDate(clock::today()), shortTime(clock::now()));
    {
        // The progress window until the first page is done; the preview lays out the rest.
        ProgressWindow progress(def.procedure);
        while (!r.done() && r.finishedPages() == 0) {
            const ProgressWindow::Ask ask = progress.next();
            if (ask == ProgressWindow::Ask::Cancel) return cancelled;
            if (ask != ProgressWindow::Ask::Tick) continue;
            r.slice();
            progress.show(r.percent());
        }
        if (progress.cancelQueued()) return cancelled;
    }
    if (r.done() && layout.records() == 0) {
        rt::GLOBALERRORS.raise(rt::MessageId::NoRecords);
        return cancelled;
    }
    showPreview(def.procedure, layout.sharedDocument(), r.done() ? nullptr : &r);
    return rt::response::Completed;
}

}  // namespace vx::report
