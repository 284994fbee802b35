#pragma once

#include <QObject>
#include <QTimer>

#include <optional>

struct LockKeyState;
class QLabel;
class QStatusBar;

/// The CAP, NUM and SCRL panes at the right of the status bar. A pane shows its text while its key is
/// on and is blank while it is off; all three are greyed when the platform does not tell the state.
class CKeyIndicators : public QObject {
    Q_OBJECT

public:
    explicit CKeyIndicators(QStatusBar& statusBar);

    /// Reads the keys again and repaints the panes (also done four times a second).
    void Update();
    /// Shows a state read from the platform, or greys the panes for an unknown one.
    void Show(const std::optional<LockKeyState>& state);

    QLabel* CapsPane() const { return m_pCaps; }
    QLabel* NumPane() const { return m_pNum; }
    QLabel* ScrollPane() const { return m_pScroll; }

private:
    QLabel* AddPane(QStatusBar& statusBar, const QString& text);

    QLabel* m_pCaps;
    QLabel* m_pNum;
    QLabel* m_pScroll;
    QTimer m_timer;
};
