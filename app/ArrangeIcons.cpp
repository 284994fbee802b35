#include "ArrangeIcons.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void ArrangeIconicWindows(QMdiArea& mdiArea) {
    const QRect area = mdiArea.viewport()->rect();
    int x = area.left();
    int bottom = area.bottom() + 1;
    for (QMdiSubWindow* window : mdiArea.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized() || !window->isVisible())
            continue;
        const QSize size = window->size();
        if (x > area.left() && x + size.width() > area.right() + 1) {
            x = area.left();
            bottom -= size.height();
        }
        window->move(x, bottom - size.height());
        x += size.width();
    }
}
