#include "platform/ui/page_controls.h"

#include <algorithm>

namespace vx::ui {

ProgressControl& ProgressControl::setPercent(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent != percent_) {
        percent_ = percent;
        changed();
    }
    return *this;
}

std::string ProgressControl::shownValue() const { return std::to_string(percent_) + "%"; }

int PagesControl::pageCount() const {
    const int all = doc_ ? static_cast<int>(doc_->pages.size()) : 0;
    return finished_ < 0 ? all : std::min(finished_, all);
}

PagesControl& PagesControl::setDocument(std::shared_ptr<const pages::Document> doc, int finished) {
    doc_ = std::move(doc);
    finished_ = finished;
    page_ = std::clamp(page_, 0, std::max(pageCount() - 1, 0));
    changed();
    return *this;
}

PagesControl& PagesControl::setPage(int page) {
    page = std::clamp(page, 0, std::max(pageCount() - 1, 0));
    if (page != page_) {
        page_ = page;
        changed();
    }
    return *this;
}

PagesControl& PagesControl::setZoom(int percent) {
    percent = std::clamp(percent, kSmallestZoom, kLargestZoom);
    if (percent != zoom_) {
        zoom_ = percent;
        changed();
    }
    return *this;
}

std::string PagesControl::shownValue() const {
    if (pageCount() == 0) return "";
    return "Страница " + std::to_string(page_ + 1) + " из " + std::to_string(pageCount());
}

}  // namespace vx::ui
