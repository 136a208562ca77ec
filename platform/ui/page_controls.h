#pragma once
// The controls of a report's windows: a progress bar, and the laid-out pages
// of a preview, shown one page at a time at a zoom.

#include <memory>

#include "platform/pages/page_model.h"
#include "platform/ui/control.h"

namespace vx::ui {

class ProgressControl : public Control {
public:
    explicit ProgressControl(std::string useName) : Control(ControlKind::Progress, std::move(useName)) {}
    int percent() const { return percent_; }
    ProgressControl& setPercent(int percent);
    std::string shownValue() const override;

private:
    int percent_ = 0;
};

class PagesControl : public Control {
public:
    static constexpr int kSmallestZoom = 25;
    static constexpr int kLargestZoom = 400;

    explicit PagesControl(std::string useName) : Control(ControlKind::Pages, std::move(useName)) {}

    const std::shared_ptr<const pages::Document>& document() const { return doc_; }
    // `finished` pages of it can be shown (-1: all); the rest is still being laid out.
    PagesControl& setDocument(std::shared_ptr<const pages::Document> doc, int finished = -1);
    int pageCount() const;
    // The page shown, from 0; kept inside the document.
    int page() const { return page_; }
    PagesControl& setPage(int page);
    // Percent of the page's real size.
    int zoom() const { return zoom_; }
    PagesControl& setZoom(int percent);
    // "Страница 2 из 5".
    std::string shownValue() const override;

private:
    std::shared_ptr<const pages::Document> doc_;
    int finished_ = -1;
    int page_ = 0;
    int zoom_ = 100;
};

}  // namespace vx::ui
