#include "QtStepTimer.h"

CQtStepTimer::CQtStepTimer() {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kDefaultPeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &CStepTimer::tick);
}
