#pragma once

#include <QWidget>

class QToolButton;

/// A pair of arrow buttons beside an edit. It keeps no position and writes nothing into its buddy:
/// it only reports the change each click asks for, −1 for the up arrow and +1 for the down arrow
/// (the direction of the platform's default range), and the owner decides what a change means.
class CUpDownControl : public QWidget {
    Q_OBJECT

public:
    explicit CUpDownControl(QWidget* parent = nullptr);

    /// Sits inside the right edge of `buddy` with the given width, narrowing the buddy by that width,
    /// and steps on the buddy's up and down arrow keys too.
    void AttachToBuddy(QWidget* buddy, int width);

    QToolButton* UpButton() const { return m_pUp; }
    QToolButton* DownButton() const { return m_pDown; }

signals:
    /// A click or an arrow key asks for a position change of `delta`.
    void deltaPos(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* CreateArrow(Qt::ArrowType arrow, int delta);

    QToolButton* m_pUp;
    QToolButton* m_pDown;
};
