#include "platform/report/band.h"

#include <algorithm>
#include <cmath>

namespace vx::report {

namespace {

constexpr double kSameX = 0.01;
// Lines that overlap by less than this are lines apart.
constexpr double kOverlap = 0.1;

double bottomOf(const BandItem& text) { return text.y + pages::lineHeight(text.font); }

// A vertical edge at `x` from `top` to `bottom` that crosses the line of `text`, right of its start.
void bound(BandItem& text, double x, double top, double bottom) {
    if (x > text.x + kSameX && std::min(bottom, bottomOf(text)) - std::max(top, text.y) > kOverlap)
        text.edge = std::min(text.edge, x);
}

void bound(BandItem& text, const BandItem& by, std::size_t index) {
    switch (by.kind) {
    case BandItem::Kind::Text:
        if (by.x <= text.x + kSameX || std::min(bottomOf(by), bottomOf(text)) - std::max(by.y, text.y) <= kOverlap) break;
        if (by.align == pages::Align::Left) text.edge = std::min(text.edge, by.x);
        else text.rightAligned.push_back(index);
        break;
    case BandItem::Kind::Rule:
        if (std::abs(by.x2 - by.x) < kSameX) bound(text, by.x, std::min(by.y, by.y2), std::max(by.y, by.y2));
        break;
    case BandItem::Kind::Box:
        bound(text, by.x, by.y, by.y2);
        bound(text, by.x2, by.y, by.y2);
        break;
    }
}

BandItem textItem(double x, double y, TextSource source, const pages::Font& f, pages::Align align) {
    BandItem i;
    i.x = x;
    i.y = y;
    i.text = std::move(source);
    i.font = f;
    i.align = align;
    return i;
}

}  // namespace

Band& Band::add(BandItem item) {
    const auto leftText = [](const BandItem& i) { return i.kind == BandItem::Kind::Text && i.align == pages::Align::Left; };
    for (std::size_t n = 0; n < items_.size(); ++n) {
        if (leftText(items_[n])) bound(items_[n], item, items_.size());
        if (leftText(item)) bound(item, items_[n], n);
    }
    items_.push_back(std::move(item));
    return *this;
}

Band& Band::setHeight(double mm) {
    height_ = mm;
    return *this;
}

Band& Band::text(double x, double y, std::string literal, const pages::Font& f) {
    return field(x, y, [t = std::move(literal)] { return t; }, f);
}

Band& Band::field(double x, double y, TextSource source, const pages::Font& f) {
    return add(textItem(x, y, std::move(source), f, pages::Align::Left));
}

Band& Band::fieldRight(double x, double y, TextSource source, const pages::Font& f) {
    return add(textItem(x, y, std::move(source), f, pages::Align::Right));
}

Band& Band::rule(double x1, double y1, double x2, double y2) {
    BandItem i;
    i.kind = BandItem::Kind::Rule;
    i.x = x1;
    i.y = y1;
    i.x2 = x2;
    i.y2 = y2;
    return add(std::move(i));
}

Band& Band::box(double x, double y, double width, double height) {
    BandItem i;
    i.kind = BandItem::Kind::Box;
    i.x = x;
    i.y = y;
    i.x2 = x + width;
    i.y2 = y + height;
    return add(std::move(i));
}

}  // namespace vx::report
