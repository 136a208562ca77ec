#pragma once
// A sheet that asks for room to show every tab caption whole: Qt's own tab widget
// asks for at most 200 pixels of its tab bar once the bar can scroll.

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace vx::qt {

class SheetTabs : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

    QSize sizeHint() const override {
        QSize s = QTabWidget::sizeHint();
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        // So many tabs that they could not fit anyway scroll rather than widen past the screen.
        const int most = screen ? screen->availableGeometry().width() * 3 / 4 : s.width();
        const int bar =
            tabBar()->sizeHint().width() + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        s.setWidth(std::max(s.width(), std::min(bar, most)));
        return s;
    }
};

}  // namespace vx::qt
