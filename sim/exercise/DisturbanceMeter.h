#pragma once

#include "DisturbanceFigures.h"
#include "ErrorIntegrals.h"

/// Measures the response to a load disturbance as the steps come, from the step the disturbance
/// changes: constant time per step and no allocation, like the step-response meter beside it.
class CDisturbanceMeter {
public:
    /// Takes the response's next step: its true error (the set point minus the point before the step)
    /// and the step's simulated length in seconds.
    void Add(double error, double dt);
    /// The figures so far; all undefined before the first step.
    DisturbanceFigures Figures() const;

private:
    bool IsAbovePeakBand(double error) const;

    bool m_bAnyStep = false;
    double m_dElapsed = 0.0;
    ErrorIntegrals m_errors;

    bool m_bHasPeak = false;
    double m_dPeak = 0.0;
    double m_dPeakTime = 0.0;
    /// Outside the band of the peak so far: once the peak is final, the last step outside the band is
    /// at the peak or after it, so the steps before a new peak need not be looked at again.
    double m_dLastAboveTime = 0.0;
    bool m_bNewestAbove = false;
};
