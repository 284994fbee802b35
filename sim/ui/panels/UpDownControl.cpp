#include "UpDownControl.h"

#include <QKeyEvent>
#include <QToolButton>

namespace {

constexpr int kUpDelta = -1;
constexpr int kDownDelta = 1;

} // namespace

CUpDownControl::CUpDownControl(QWidget* parent)
    : QWidget(parent), m_pUp(CreateArrow(Qt::UpArrow, kUpDelta)),
      m_pDown(CreateArrow(Qt::DownArrow, kDownDelta)) {
    m_pUp->setObjectName(QStringLiteral("up"));
    m_pDown->setObjectName(QStringLiteral("down"));
}

QToolButton* CUpDownControl::CreateArrow(Qt::ArrowType arrow, int delta) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, delta] { emit deltaPos(delta); });
    return button;
}

void CUpDownControl::AttachToBuddy(QWidget* buddy, int width) {
    const QRect area = buddy->geometry();
    buddy->resize(area.width() - width, area.height());
    setGeometry(area.right() + 1 - width, area.top(), width, area.height());
    buddy->installEventFilter(this);
}

bool CUpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit deltaPos(key == Qt::Key_Up ? kUpDelta : kDownDelta);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CUpDownControl::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_pUp->setGeometry(0, 0, width(), half);
    m_pDown->setGeometry(0, half, width(), height() - half);
}
