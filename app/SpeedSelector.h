#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class CChildFrame;
class QComboBox;
class QToolBar;

/// The toolbar's "Velocidade": sets the active window's "Real" period from its "Simulado" step so
/// that the run goes at the chosen multiple of real time, and shows the speed the window now runs at
/// (none when its "Real" matches no speed).
class CSpeedSelector : public QObject {
    Q_OBJECT

public:
    /// How often the selector reads the active window: a "Simulado" or "Real" typed in its panel shows
    /// in the selector without a click.
    static constexpr int kRefreshIntervalMs = 250;

    /// Adds its label and list to `toolBar`; `activeFrame` tells the window to act on, or nullptr.
    CSpeedSelector(QToolBar& toolBar, std::function<CChildFrame*()> activeFrame);

    QComboBox* Combo() const { return m_pCombo; }
    /// Shows the active window's speed, as the timer does.
    void Refresh();

private:
    void OnChosen(int index);

    QComboBox* m_pCombo;
    std::function<CChildFrame*()> m_activeFrame;
    QTimer m_timer;
};
