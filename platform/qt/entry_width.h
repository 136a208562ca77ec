#pragma once
// How wide an entry asks to be: as many characters as its picture shows, within
// reason. An entry whose picture fits keeps that width; a wider one takes the room
// it is given and scrolls inside beyond it.

#include <QFontMetrics>
#include <QSizePolicy>

#include <algorithm>

#include "platform/core/picture.h"

namespace vx::qt {

constexpr int kFewestEntryChars = 3;
constexpr int kMostEntryChars = 45;

// Characters the picture shows; 0 when it says nothing about its width.
inline int pictureWidth(const Picture& p) { return p.kind() == Picture::Kind::None ? 0 : std::max(p.width(), 0); }

// Characters an entry asks room for.
inline int entryChars(int pictureWidth) { return std::clamp(pictureWidth, kFewestEntryChars, kMostEntryChars); }

inline QSizePolicy::Policy entryGrowth(int pictureWidth) {
    return pictureWidth <= kMostEntryChars ? QSizePolicy::Maximum : QSizePolicy::Expanding;
}

// Pixels for that many characters of ordinary text; Cyrillic letters run wider than digits.
inline int charsWidth(const QFontMetrics& fm, int chars) {
    return chars * std::max(fm.averageCharWidth(), fm.horizontalAdvance(QLatin1Char('0')));
}

}  // namespace vx::qt
