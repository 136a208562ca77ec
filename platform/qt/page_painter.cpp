#include "platform/qt/page_painter.h"

#include <QSaveFile>
#include <QFontMetricsF>
#include <algorithm>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include "platform/qt/qt_convert.h"

namespace vx::qt {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kTextPixelsPerMm = 100;

QFont fontOf(const pages::Font& f, double scale) {
    QFont font(f.family == pages::Family::Serif ? "DejaVu Serif" : "DejaVu Sans");
    font.setPixelSize(std::max(1, static_cast<int>(f.points * kMmPerPoint * scale + 0.5)));
    font.setBold(f.bold);
    font.setUnderline(f.underline);
    return font;
}

// Text is drawn at a large size and scaled down: a small font's pixel size is rounded and its
// advances hinted, which would make the text wider or narrower than the layout measured.
// How many of `font`'s pixels make a millimetre when it stands for `f`.
double pixelsPerMm(const pages::Font& f, const QFont& font) { return font.pixelSize() / (f.points * kMmPerPoint); }

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vetrix";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace

void paintPage(QPainter& painter, const pages::Page& page, double scale) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, 0.2 * scale));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const pages::Box& b : page.boxes)
        painter.drawRect(QRectF(b.x * scale, b.y * scale, b.width * scale, b.height * scale));
    for (const pages::Rule& r : page.rules) painter.drawLine(QPointF(r.x1 * scale, r.y1 * scale), QPointF(r.x2 * scale, r.y2 * scale));
    for (const pages::Text& t : page.texts) {
        const QFont font = fontOf(t.font, kTextPixelsPerMm);
        const QFontMetricsF metrics(font);
        // In millimetres from here on.
        const double mm = pixelsPerMm(t.font, font);
        painter.save();
        painter.translate(t.x * scale, t.y * scale);
        painter.scale(scale / mm, scale / mm);
        painter.setFont(font);
        const QString text = toQ(t.text);
        const bool right = t.align == pages::Align::Right;
        if (t.clip > 0) painter.setClipRect(QRectF(right ? -t.clip * mm : 0, 0, t.clip * mm, metrics.height()));
        painter.drawText(QPointF(right ? -metrics.horizontalAdvance(text) : 0, metrics.ascent()), text);
        painter.restore();
    }
    painter.restore();
}

void printPages(const pages::Document& doc, QPagedPaintDevice& device) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter(&device);
    const double scale = device.logicalDpiX() / 25.4;
    for (std::size_t n = 0; n < doc.pages.size(); ++n) {
        if (n > 0) device.newPage();
        paintPage(painter, doc.pages[n], scale);
    }
}

std::string writePdf(const pages::Document& doc, const std::string& path) {
    ensureApplication();
    // A scratch file beside the target, renamed over it once whole: a full disk leaves neither
    // a torn PDF nor the old one spoilt.
    QSaveFile file(toQ(path));
    file.setDirectWriteFallback(false);
    const auto failed = [&] { return "Файл " + path + " не удаётся записать: " + fromQ(file.errorString()); };
    if (!file.open(QIODevice::WriteOnly)) return failed();
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(toQ(doc.title));
        writer.setCreator("vetrix");
        printPages(doc, writer);
    }
    if (!file.commit()) return failed();
    return "";
}

double drawnWidth(const std::string& text, const pages::Font& f) {
    ensureApplication();
    const QFont font = fontOf(f, kTextPixelsPerMm);
    return QFontMetricsF(font).horizontalAdvance(toQ(text)) / pixelsPerMm(f, font);
}

QImage pageImage(const pages::Document& doc, int page, double scale) {
    ensureApplication();
    QImage image(static_cast<int>(doc.width * scale), static_cast<int>(doc.height * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, doc.pages.at(static_cast<std::size_t>(page)), scale);
    return image;
}

}  // namespace vx::qt
