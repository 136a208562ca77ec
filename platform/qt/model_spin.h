#pragma once
// A spin box whose value is the model's: the arrows and the text only report
// what the user does; what it shows comes from the model.

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <functional>

#include "platform/qt/entry_width.h"

namespace vx::qt {

class ModelSpin : public QAbstractSpinBox {
public:
    using QAbstractSpinBox::QAbstractSpinBox;
    QLineEdit* editor() const { return lineEdit(); }
    std::function<void(int direction)> onStep;

    // Room for the picture's characters besides the arrows.
    void showPicture(const Picture& p) {
        const int width = pictureWidth(p);
        if (width == pictureWidth_) return;
        pictureWidth_ = width;
        if (width > 0) setSizePolicy(entryGrowth(width), sizePolicy().verticalPolicy());
        updateGeometry();
    }

    QSize sizeHint() const override {
        QSize s = QAbstractSpinBox::sizeHint();
        if (pictureWidth_ > 0) s.rwidth() += charsWidth(fontMetrics(), entryChars(pictureWidth_));
        return s;
    }

    void stepBy(int steps) override {
        if (onStep && steps != 0) onStep(steps > 0 ? 1 : -1);
    }

protected:
    StepEnabled stepEnabled() const override { return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled); }

private:
    int pictureWidth_ = 0;
};

}  // namespace vx::qt
