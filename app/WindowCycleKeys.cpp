#include "WindowCycleKeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMdiArea>
#include <QWidget>

void AddWindowCycleKeys(QWidget& frame, QMdiArea& area) {
    auto* next = new QAction(QCoreApplication::translate("WindowCycleKeys", "Next Window"), &frame);
    next->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    QObject::connect(next, &QAction::triggered, &area, &QMdiArea::activateNextSubWindow);
    auto* previous = new QAction(QCoreApplication::translate("WindowCycleKeys", "Previous Window"), &frame);
    previous->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    QObject::connect(previous, &QAction::triggered, &area, &QMdiArea::activatePreviousSubWindow);
    frame.addActions({next, previous});
}
