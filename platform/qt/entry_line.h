#pragma once
// A one-line entry that asks for the width its picture shows rather than Qt's
// fixed seventeen characters.

#include <QLineEdit>

#include "platform/qt/entry_width.h"

namespace vx::qt {

class EntryLine : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    // A picture with no width keeps Qt's own.
    void showPicture(const Picture& p) {
        const int width = pictureWidth(p);
        if (width == pictureWidth_) return;
        pictureWidth_ = width;
        if (width > 0) setSizePolicy(entryGrowth(width), sizePolicy().verticalPolicy());
        updateGeometry();
    }

    QSize sizeHint() const override {
        QSize s = QLineEdit::sizeHint();
        if (pictureWidth_ <= 0) return s;
        const QFontMetrics fm = fontMetrics();
        constexpr int kQtChars = 17;
        s.setWidth(s.width() - kQtChars * fm.horizontalAdvance(QLatin1Char('x')) +
                   charsWidth(fm, entryChars(pictureWidth_)));
        return s;
    }

private:
    int pictureWidth_ = 0;
};

}  // namespace vx::qt
