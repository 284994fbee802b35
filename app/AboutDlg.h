#pragma once

#include <QDialog>

/// Dialog 100, "Sobre o Vorlint": the application icon, the version line and "OK".
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
