#pragma once

#include "VorlintApp.h"

#include <QRect>
#include <QSize>
#include <QString>

class CMainFrame;
class QApplication;
class QWidget;

// What the programs that draw the documentation's pictures share.

/// Saves `area` of `widget` (all of it by default) as it shows once the pending events have laid it out.
bool SaveGrab(QWidget& widget, const QString& path, const QRect& area = QRect(QPoint(0, 0), QSize(-1, -1)));

/// Vorlint started for a picture: its interface in the environment's language (LANGUAGE, LC_ALL), its main
/// window shown, at `size` when one is given.
class CScreenshotApp {
public:
    CScreenshotApp(QApplication& application, QSize size = QSize());

    bool Started() const { return m_bStarted; }
    CVorlintApp& App() { return m_app; }
    CMainFrame& Frame() { return *m_app.MainFrame(); }

private:
    CVorlintApp m_app;
    bool m_bStarted;
};
