#pragma once
// The widget of a Pages control: the shown page on white paper at the control's
// zoom, in a scrolled area.

#include <QScrollArea>
#include <memory>

#include "platform/pages/page_model.h"
#include "platform/ui/page_controls.h"

namespace vx::qt {

class PageCanvas : public QWidget {
public:
    void show(std::shared_ptr<const pages::Document> doc, int page, int zoom);
    // Device pixels per millimetre at the zoom.
    double scale() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::shared_ptr<const pages::Document> doc_;
    int page_ = 0;
    int zoom_ = 100;
};

class PageView : public QScrollArea {
public:
    PageView();
    void sync(const ui::PagesControl& c);

private:
    PageCanvas* canvas_;
};

}  // namespace vx::qt
