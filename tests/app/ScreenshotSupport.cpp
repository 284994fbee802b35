#include "ScreenshotSupport.h"

#include "InterfaceTranslations.h"
#include "MainFrame.h"

#include <QApplication>
#include <QPixmap>

bool SaveGrab(QWidget& widget, const QString& path, const QRect& area) {
    QApplication::processEvents();
    return widget.grab(area).save(path);
}

CScreenshotApp::CScreenshotApp(QApplication& application, QSize size)
    : m_app(InstallInterfaceTranslations(application)), m_bStarted(m_app.InitInstance({})) {
    if (!m_bStarted)
        return;
    if (size.isValid())
        Frame().resize(size);
    Frame().show();
    QApplication::processEvents();
}
