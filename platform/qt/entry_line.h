#pragma once
// A one-line entry that asks for the width its picture shows rather than Qt's
// fixed seventeen characters.

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "platform/qt/entry_width.h"

namespace vx::qt {

class EntryLine : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    // The whole text stays selected, also through texts the program puts there, until the
    // user types, clicks or leaves: what the user types then replaces it.
    void selectUntilTyped() {
        wholeSelected_ = true;
        selectAll();
    }
    // As selectUntilTyped, now if the entry has the focus, or else once it gets it.
    void selectWhenFocused() {
        if (hasFocus()) selectUntilTyped();
        else selectOnFocus_ = true;
    }
    // A text from the program: selected as a whole while that lasts; otherwise a text longer
    // than the entry shows its start, as a user reads it, unless the user is editing it.
    void showText(const QString& text) {
        if (text == this->text()) return;
        setText(text);
        if (wholeSelected_ && hasFocus()) selectAll();
        else if (!hasFocus()) setCursorPosition(0);
    }

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

protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        // Tab and Backtab select the text, as Qt does it.
        if (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason) wholeSelected_ = true;
        if (selectOnFocus_) {
            selectOnFocus_ = false;
            selectUntilTyped();
        }
    }
    void focusOutEvent(QFocusEvent* e) override {
        wholeSelected_ = false;
        QLineEdit::focusOutEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        wholeSelected_ = false;
        QLineEdit::keyPressEvent(e);
    }
    void mousePressEvent(QMouseEvent* e) override {
        wholeSelected_ = false;
        QLineEdit::mousePressEvent(e);
    }

private:
    int pictureWidth_ = 0;
    bool wholeSelected_ = false;
    bool selectOnFocus_ = false;
};

}  // namespace vx::qt
