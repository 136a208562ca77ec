#pragma once
// A spin box whose value is the model's: the arrows and the text only report
// what the user does; what it shows comes from the model.

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <functional>

namespace vx::qt {

class ModelSpin : public QAbstractSpinBox {
public:
    using QAbstractSpinBox::QAbstractSpinBox;
    QLineEdit* editor() const { return lineEdit(); }
    std::function<void(int direction)> onStep;

    void stepBy(int steps) override {
        if (onStep && steps != 0) onStep(steps > 0 ? 1 : -1);
    }

protected:
    StepEnabled stepEnabled() const override { return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled); }
};

}  // namespace vx::qt
