#include "MdiChild.h"

#include "ChildFrame.h"

#include <QCloseEvent>

CMdiChild::CMdiChild(CDocument& document) : m_pDocument(&document), m_pFrame(new CChildFrame) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_pFrame);
}

CVorlintView* CMdiChild::View() const {
    return m_pFrame->View();
}

void CMdiChild::SetFrameTitle(const QString& title, int number) {
    setWindowTitle(number > 0 ? QStringLiteral("%1:%2").arg(title).arg(number) : title);
}

void CMdiChild::closeEvent(QCloseEvent* event) {
    if (m_mayClose && !m_mayClose(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
