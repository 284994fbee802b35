#pragma once

#include "StepTimer.h"

/// A step timer that ticks only when the test says so.
class CFakeStepTimer : public CStepTimer {
public:
    void Start(int periodMs) override {
        m_nPeriodMs = periodMs;
        m_bActive = true;
    }
    void Stop() override { m_bActive = false; }
    bool IsActive() const override { return m_bActive; }
    int PeriodMs() const override { return m_nPeriodMs; }

    /// One tick, as an armed timer gives after a period.
    void Fire() {
        if (m_bActive)
            emit tick();
    }

private:
    int m_nPeriodMs = kDefaultPeriodMs;
    bool m_bActive = false;
};
