#pragma once
// Laid-out pages drawn with Qt: on the preview's screen, to a printer, into a PDF.
// The page's families are the DejaVu fonts (Sans, Serif), which carry Cyrillic.

#include <QImage>
#include <QPainter>
#include <string>

#include "platform/pages/page_model.h"

class QPagedPaintDevice;

namespace vx::qt {

// Draws one page with `scale` device pixels per millimetre.
void paintPage(QPainter& painter, const pages::Page& page, double scale);
// Every page, one device page each (A4 portrait).
void printPages(const pages::Document& doc, QPagedPaintDevice& device);
// Writes the pages as a PDF file, whole or not at all; "" when written, else what went wrong. Without
// a running Qt application it starts one on the offscreen platform (headless runs).
std::string writePdf(const pages::Document& doc, const std::string& path);
// How wide a text is drawn, in millimetres, at every scale (same application rule).
double drawnWidth(const std::string& text, const pages::Font& f);
// One page as a picture on white paper, `scale` pixels per millimetre (same application rule).
QImage pageImage(const pages::Document& doc, int page, double scale);

}  // namespace vx::qt
