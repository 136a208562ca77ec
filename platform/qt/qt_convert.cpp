#include "platform/qt/qt_convert.h"

namespace vx::qt {

QColor toQColor(ui::Colour c) {
    if (c == ui::kNoColour) return {};
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

QFont mergedFont(const QFont& base, const ui::FontSpec& f) {
    QFont out = base;
    if (!f.name.empty()) out.setFamilies({toQ(f.name), base.family()});
    if (f.size > 0) out.setPointSize(f.size);
    if (f.weight > 0) out.setWeight(f.weight >= ui::kBoldWeight ? QFont::Bold : QFont::Normal);
    if (f.italic) out.setItalic(true);
    if (f.strikeOut) out.setStrikeOut(true);
    if (f.underline) out.setUnderline(true);
    return out;
}

QString withoutAccelerator(std::string_view caption) {
    QString out;
    const QString in = toQ(caption);
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == u'&' && i + 1 < in.size()) ++i;
        out += in[i];
    }
    return out;
}

}  // namespace vx::qt
