#include "WindowPlacement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>

namespace {

/// How far a cascaded window stands down and right of the one before: its whole title bar.
int cascadeStep(const QMdiSubWindow& window) {
    QStyleOptionTitleBar option;
    option.initFrom(&window);
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window);
    return std::max(titleBar, window.contentsMargins().top());
}

bool isNormal(const QMdiSubWindow& window) {
    return window.isVisible() && !window.isMinimized() && !window.isMaximized();
}

/// The newest window other than `window` that shows in its normal state, or nullptr.
const QMdiSubWindow* newestNormalWindow(const QMdiArea& area, const QMdiSubWindow& window) {
    const QList<QMdiSubWindow*> windows = area.subWindowList(QMdiArea::CreationOrder);
    for (auto each = windows.crbegin(); each != windows.crend(); ++each) {
        if (*each != &window && isNormal(**each))
            return *each;
    }
    return nullptr;
}

} // namespace

void PlaceNewWindow(QMdiArea& area, QMdiSubWindow& window) {
    if (!area.isVisible())
        return;
    const QMdiSubWindow* newest = newestNormalWindow(area, window);
    if (newest == nullptr)
        return;
    const QRect visible = area.viewport()->rect();
    const int step = cascadeStep(*newest);
    QRect geometry(newest->pos() + QPoint(step, step), newest->size());
    geometry.setRight(std::min(geometry.right(), visible.right()));
    geometry.setBottom(std::min(geometry.bottom(), visible.bottom()));
    const QSize natural = window.sizeHint();
    if (geometry.width() < natural.width() / 2 || geometry.height() < natural.height() / 2)
        geometry = visible;
    window.setGeometry(geometry);
}

void CascadeWindows(QMdiArea& area) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    if (QMdiSubWindow* active = area.currentSubWindow(); windows.removeOne(active))
        windows.append(active);
    const int step = cascadeStep(*windows.front());
    const int span = step * static_cast<int>(windows.size() - 1);
    const QSize fill = area.viewport()->size() - QSize(span, span);
    int offset = 0;
    for (QMdiSubWindow* window : windows) {
        if (window->isMaximized())
            window->showNormal();
        const QSize size = fill.expandedTo(window->minimumSizeHint()).expandedTo(window->minimumSize());
        window->setGeometry(QRect(QPoint(offset, offset), size));
        window->raise();
        offset += step;
    }
}
