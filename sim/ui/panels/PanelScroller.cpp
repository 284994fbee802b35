#include "PanelScroller.h"

#include <QResizeEvent>
#include <QScrollBar>

CPanelScroller::CPanelScroller(QWidget* panel, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    panel->resize(panel->sizeHint());
    setWidget(panel);
    FitHeight(panel->width());
}

void CPanelScroller::resizeEvent(QResizeEvent* event) {
    FitHeight(event->size().width());
    QScrollArea::resizeEvent(event);
}

void CPanelScroller::FitHeight(int width) {
    const bool scrolls = width < widget()->width();
    setFixedHeight(widget()->height() + (scrolls ? horizontalScrollBar()->sizeHint().height() : 0));
}
