#pragma once

#include "StepTimer.h"

#include <QTimer>

/// The step timer for platforms without a kernel interval timer: a precise QTimer, which keeps
/// absolute deadlines and skips the ones it is too late for.
class CQtStepTimer : public CStepTimer {
    Q_OBJECT

public:
    CQtStepTimer();

    void Start(int periodMs) override { m_timer.start(periodMs); }
    void Stop() override { m_timer.stop(); }
    bool IsActive() const override { return m_timer.isActive(); }
    int PeriodMs() const override { return m_timer.interval(); }

private:
    QTimer m_timer;
};
