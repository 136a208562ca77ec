#include "platform/qt/readable_colours.h"

#include <algorithm>
#include <cmath>

namespace vx::qt {

namespace {

// WCAG's relative luminance and contrast ratio of two colours.
double luminance(const QColor& c) {
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Below this a highlighted cell's text cannot be read on its highlight.
constexpr double kReadable = 3.0;
// What an ordinary text needs to read as plainly as the controls around it.
constexpr double kPlainText = 4.5;

// `c` moved `part` (0..1) of the way towards `to`.
QColor mixed(const QColor& c, const QColor& to, double part) {
    const auto mix = [part](double a, double b) { return a + (b - a) * part; };
    return QColor::fromRgbF(mix(c.redF(), to.redF()), mix(c.greenF(), to.greenF()), mix(c.blueF(), to.blueF()));
}

}  // namespace

QColor readableHighlight(const QColor& text, const QColor& highlight) {
    if (contrast(text, highlight) >= kReadable) return highlight;
    // A pale tint of the highlight keeps the row marked and the cell's own colour readable.
    for (int whiter = 1; whiter <= 4; ++whiter) {
        const QColor tint = mixed(highlight, Qt::white, whiter * 0.2);
        if (contrast(text, tint) >= kReadable) return tint;
    }
    return QColor(Qt::white);
}

QColor readableText(const QColor& text, const QColor& background) {
    if (contrast(text, background) >= kPlainText) return text;
    const QColor towards = luminance(background) > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step < 10; ++step) {
        const QColor shade = mixed(text, towards, step * 0.1);
        if (contrast(shade, background) >= kPlainText) return shade;
    }
    return towards;
}

}  // namespace vx::qt
