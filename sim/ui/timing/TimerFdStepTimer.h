#pragma once

#include "StepTimer.h"

#include <memory>

class QSocketNotifier;

/// The step timer on Linux: a periodic timerfd on the monotonic clock, watched by a socket notifier
/// in the GUI thread's event loop. The kernel keeps the deadlines, to the microsecond, where a
/// QTimer wakes up on whole milliseconds of the event loop's poll and loses a tenth of its ticks at
/// a 1 ms period.
class CTimerFdStepTimer : public CStepTimer {
    Q_OBJECT

public:
    /// nullptr when the kernel refuses a timerfd (then a QTimer has to do).
    static std::unique_ptr<CTimerFdStepTimer> TryCreate();
    ~CTimerFdStepTimer() override;

    void Start(int periodMs) override;
    void Stop() override;
    bool IsActive() const override { return m_bActive; }
    int PeriodMs() const override { return m_nPeriodMs; }

private:
    explicit CTimerFdStepTimer(int fd);
    void Arm(int periodMs);
    void OnExpired();

    int m_nFd;
    QSocketNotifier* m_pNotifier;
    int m_nPeriodMs = kDefaultPeriodMs;
    bool m_bActive = false;
};
