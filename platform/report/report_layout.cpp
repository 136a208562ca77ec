#include "platform/report/report_layout.h"

#include <algorithm>

#include "platform/core/picture.h"
#include "platform/pages/text_width.h"
#include "platform/core/text.h"

namespace vx::report {

namespace {
// A band lower than this is still printed on a page of its own, never lost.
constexpr double kEpsilon = 1e-6;
// Between a text cut at its column's edge and what prints beyond the edge.
constexpr double kColumnGap = 0.3;
}  // namespace

TextSource number(const Counter& c, std::string_view picture) {
    return [&c, p = Picture::parse(picture)] { return p.format(Value(c.value())); };
}

const Counter& ReportLayout::count(int resetGroup) {
    Counter& c = counters_.emplace_back();
    c.reset = resetGroup;
    return c;
}

const Counter& ReportLayout::tally(int group, int resetGroup) {
    Counter& c = counters_.emplace_back();
    c.tallied = group;
    c.reset = resetGroup;
    return c;
}

TextSource ReportLayout::pageNumber() const {
    return [this] { return std::to_string(doc_->pages.size()); };
}

TextSource ReportLayout::dateStamp() const {
    return [this] { return date_; };
}

TextSource ReportLayout::timeStamp() const {
    return [this] { return time_; };
}

void ReportLayout::begin(std::string title, std::string date, std::string time) {
    doc_ = std::make_shared<pages::Document>();
    if (pagesOnDisk) doc_->pages.keepOnDisk();
    doc_->title = std::move(title);
    date_ = std::move(date);
    time_ = std::move(time);
    keys_.clear();
    records_ = 0;
    pageOpen_ = false;
    for (Counter& c : counters_) c.value_ = 0;
}

void ReportLayout::take() {
    std::vector<std::string> keys;
    keys.reserve(groups.size());
    for (const Group& g : groups) keys.push_back(g.key ? g.key() : std::string());
    std::size_t changed = 0;
    if (records_ > 0) {
        while (changed < keys.size() && keys[changed] == keys_[changed]) ++changed;
        if (changed < keys.size()) {
            if (recall.previous) recall.previous();
            closeGroups(changed);
            if (recall.current) recall.current();
        }
    }
    keys_ = std::move(keys);
    for (std::size_t level = changed; level < groups.size(); ++level) {
        for (Counter& c : counters_)
            if (c.tallied == static_cast<int>(level)) ++c.value_;
        print(groups[level].heading);
    }
    for (Counter& c : counters_)
        if (c.tallied < 0) ++c.value_;
    ++records_;
    print(detail);
}

void ReportLayout::end() {
    if (records_ == 0) return;
    closeGroups(0);
    finishPage();
}

void ReportLayout::closeGroups(std::size_t from) {
    for (std::size_t level = groups.size(); level-- > from;) {
        print(groups[level].footer);
        for (Counter& c : counters_)
            if (c.reset == static_cast<int>(level)) c.value_ = 0;
    }
}

void ReportLayout::print(const Band& band) {
    if (band.empty() && band.height() <= 0) return;
    if (!pageOpen_) startPage();
    const double bottom = page.bodyTop + page.bodyHeight;
    if (cursor_ + band.height() > bottom + kEpsilon && cursor_ > page.bodyTop + kEpsilon) {
        finishPage();
        startPage();
    }
    place(band, cursor_);
    cursor_ += band.height();
}

void ReportLayout::startPage() {
    doc_->pages.emplace_back();
    pageOpen_ = true;
    place(pageHeading, page.headingTop);
    cursor_ = page.bodyTop;
}

void ReportLayout::finishPage() {
    if (!pageOpen_) return;
    place(pageFooter, page.footerTop);
    pageOpen_ = false;
}

void ReportLayout::place(const Band& band, double top) {
    pages::Page& p = doc_->pages.back();
    const std::vector<BandItem>& items = band.items();
    // Read first: what a right-aligned text prints bounds the column left of it.
    std::vector<std::string> texts(items.size());
    for (std::size_t n = 0; n < items.size(); ++n) {
        if (items[n].kind != BandItem::Kind::Text) continue;
        texts[n] = items[n].text();
        // A number's picture pads it to its width; right-aligned, the padding would only shift it.
        if (items[n].align == pages::Align::Right) texts[n] = trim(texts[n]);
    }
    const double pageEdge = doc_->width - 2 * page.left;
    for (std::size_t n = 0; n < items.size(); ++n) {
        const BandItem& i = items[n];
        const double x = page.left + i.x, y = top + i.y;
        switch (i.kind) {
        case BandItem::Kind::Text: {
            std::string& text = texts[n];
            double clip = 0;
            if (i.align == pages::Align::Left) {
                double edge = std::min(i.edge, pageEdge);
                for (std::size_t r : i.rightAligned)
                    if (!texts[r].empty()) edge = std::min(edge, items[r].x - pages::textWidth(texts[r], items[r].font));
                clip = std::max(0.0, edge - i.x - kColumnGap);
                text = pages::fitText(text, i.font, clip);
            }
            if (text.find_first_not_of(' ') != std::string::npos)
                p.texts.push_back({x, y, std::move(text), i.font, i.align, clip});
            break;
        }
        case BandItem::Kind::Rule: p.rules.push_back({x, y, page.left + i.x2, top + i.y2}); break;
        case BandItem::Kind::Box: p.boxes.push_back({x, y, i.x2 - i.x, i.y2 - i.y}); break;
        }
    }
}

}  // namespace vx::report
