#include "platform/report/band.h"

namespace vx::report {

Band& Band::setHeight(double mm) {
    height_ = mm;
    return *this;
}

Band& Band::text(double x, double y, std::string literal, const pages::Font& f) {
    return field(x, y, [t = std::move(literal)] { return t; }, f);
}

Band& Band::field(double x, double y, TextSource source, const pages::Font& f) {
    BandItem i;
    i.x = x;
    i.y = y;
    i.text = std::move(source);
    i.font = f;
    items_.push_back(std::move(i));
    return *this;
}

Band& Band::fieldRight(double x, double y, TextSource source, const pages::Font& f) {
    field(x, y, std::move(source), f);
    items_.back().align = pages::Align::Right;
    return *this;
}

Band& Band::rule(double x1, double y1, double x2, double y2) {
    BandItem i;
    i.kind = BandItem::Kind::Rule;
    i.x = x1;
    i.y = y1;
    i.x2 = x2;
    i.y2 = y2;
    items_.push_back(std::move(i));
    return *this;
}

Band& Band::box(double x, double y, double width, double height) {
    BandItem i;
    i.kind = BandItem::Kind::Box;
    i.x = x;
    i.y = y;
    i.x2 = x + width;
    i.y2 = y + height;
    items_.push_back(std::move(i));
    return *this;
}

}  // namespace vx::report
