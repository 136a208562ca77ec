#include "platform/qt/page_view.h"

#include <QPainter>

#include "platform/qt/page_painter.h"

namespace vx::qt {

double PageCanvas::scale() const { return logicalDpiX() / 25.4 * zoom_ / 100.0; }

void PageCanvas::show(std::shared_ptr<const pages::Document> doc, int page, int zoom) {
    doc_ = std::move(doc);
    page_ = page;
    zoom_ = zoom;
    const double w = doc_ ? doc_->width : 210, h = doc_ ? doc_->height : 297;
    setFixedSize(static_cast<int>(w * scale()), static_cast<int>(h * scale()));
    update();
}

void PageCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (doc_ && page_ < static_cast<int>(doc_->pages.size())) paintPage(painter, doc_->pages[page_], scale());
}

PageView::PageView() : canvas_(new PageCanvas) {
    setWidget(canvas_);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
    setMinimumSize(400, 300);
}

void PageView::sync(const ui::PagesControl& c) { canvas_->show(c.document(), c.page(), c.zoom()); }

}  // namespace vx::qt
