#pragma once
// The layout of a report, declared as data, and the machine that lays out its
// records into pages: one detail band per record between group headings and
// footers, a page heading and footer on every page, bands never split.
//
//   ReportLayout r;
//   r.groups = {{holdingKey, holdingHeading, holdingFooter}, {farmKey, ...}};
//   const Counter& farmCount = r.count(1);          // reset after the farm footer
//   r.groups[1].footer.fieldRight(120, 0, number(farmCount, "@n7b"));
//   r.begin("title", "01.04.2024", "09:00");
//   for (each record) r.take();
//   r.end();                                        // r.document() holds the pages
//
// When a break field's value differs from the previous record's, the footers of
// the closed groups print innermost first, then the headings of the new groups
// outermost first; after the last record the open footers print.

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/pages/page_model.h"
#include "platform/report/band.h"

namespace vx::report {

// Millimetres from the page's top-left corner.
struct PageSetup {
    double left = 6;
    double headingTop = 6;
    double bodyTop = 21;
    double bodyHeight = 258;
    double footerTop = 280;
};

struct Group {
    TextSource key;  // the break field's value of the current record
    Band heading;
    Band footer;
};

// A count of detail records, or a tally of the groups of one break, since the
// footer of its reset group last printed (the whole report when it has none).
class Counter {
public:
    long value() const { return value_; }

private:
    friend class ReportLayout;
    int tallied = -1;  // the group whose openings it counts; -1 counts records
    int reset = -1;
    long value_ = 0;
};

// The counter's value through a print picture ("@n7b": 7 digits, blank when 0).
TextSource number(const Counter& c, std::string_view picture);

class ReportLayout {
public:
    ReportLayout() = default;
    ReportLayout(const ReportLayout&) = delete;
    ReportLayout& operator=(const ReportLayout&) = delete;

    PageSetup page;
    Band pageHeading;
    Band pageFooter;
    Band detail;
    std::vector<Group> groups;  // outermost first
    // The pages before the one being laid out go to a scratch file (pages::PageList),
    // so a report of thousands of pages holds one in memory.
    bool pagesOnDisk = false;
    // The break is seen on the first record of the new groups; while the closed groups'
    // footers print, `previous` puts the record before it back, `current` returns to it.
    struct Recall {
        std::function<void()> previous, current;
    } recall;

    const Counter& count(int resetGroup = -1);
    const Counter& tally(int group, int resetGroup = -1);
    // The number of the page being laid out, and the date and time stamps fixed by begin().
    TextSource pageNumber() const;
    TextSource dateStamp() const;
    TextSource timeStamp() const;

    // Starts an empty document.
    void begin(std::string title, std::string date, std::string time);
    // Lays out the current record.
    void take();
    // Prints the open footers and the last page's footer.
    void end();

    long records() const { return records_; }
    const pages::Document& document() const { return *doc_; }
    // The document being laid out, shared with whoever shows it meanwhile; begin() starts a new one.
    std::shared_ptr<const pages::Document> sharedDocument() const { return doc_; }
    // Pages no band goes to any more.
    int finishedPages() const { return static_cast<int>(doc_->pages.size()) - (pageOpen_ ? 1 : 0); }

private:
    void print(const Band& band);
    void startPage();
    void finishPage();
    void place(const Band& band, double top);
    void closeGroups(std::size_t from);

    std::deque<Counter> counters_;
    std::shared_ptr<pages::Document> doc_ = std::make_shared<pages::Document>();
    std::string date_, time_;
    std::vector<std::string> keys_;
    long records_ = 0;
    bool pageOpen_ = false;
    double cursor_ = 0;
};

}  // namespace vx::report
