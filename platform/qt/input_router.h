#pragma once
// Keys, clicks and focus changes in the windows' widgets, as the model wants
// them: keys the model acts on (alert keys, Tab, a list's moves, Enter to
// confirm, arrows of spins and drop lists, Space on buttons) go to it and not
// to the widget; other keys stay the widget's (typing) but still count for
// "Ctrl pressed alone". A focus the user moves (a click, a control's key)
// reports a focus change; a focus that comes back by itself does not. Ctrl+F4
// closes the frame's active child window. The
// tooltips' process-wide switch is kept here too.

#include <QKeyEvent>
#include <QObject>

#include "platform/ui/ids.h"

namespace vx::qt {

class QtRenderer;

class InputRouter : public QObject {
public:
    explicit InputRouter(QtRenderer& r);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool keyPressed(QObject* watched, QKeyEvent& e);
    bool shortcutWanted(QObject* watched, QKeyEvent& e);
    bool closeActiveChild(ui::WindowId keyWindow);
    void focusMoved(QObject* now, Qt::FocusReason reason);

    QtRenderer& renderer_;
};

}  // namespace vx::qt
