#pragma once
// The model's texts, colours and fonts as Qt takes them.

#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <string_view>

#include "platform/ui/style.h"

namespace vx::qt {

inline QString toQ(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string fromQ(const QString& s) { return s.toUtf8().toStdString(); }

// An invalid QColor for kNoColour.
QColor toQColor(ui::Colour c);
// `base` with the fields the style sets (an empty name, a 0 size or weight keep the base's).
QFont mergedFont(const QFont& base, const ui::FontSpec& f);
// A caption without its accelerator marks ("&&" stays one "&"), for widgets that draw no mnemonic.
QString withoutAccelerator(std::string_view caption);

}  // namespace vx::qt
