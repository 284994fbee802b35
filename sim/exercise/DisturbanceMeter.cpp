#include "DisturbanceMeter.h"

#include <cmath>

void CDisturbanceMeter::Add(double error, double dt) {
    m_bAnyStep = true;
    m_dElapsed += dt;
    m_errors.Add(error, m_dElapsed, dt);
    // The first step of the largest |e|; an error that is not a number is never a peak.
    if (m_bHasPeak ? std::fabs(error) > std::fabs(m_dPeak) : !std::isnan(error)) {
        m_bHasPeak = true;
        m_dPeak = error;
        m_dPeakTime = m_dElapsed;
    }
    m_bNewestAbove = IsAbovePeakBand(error);
    if (m_bNewestAbove)
        m_dLastAboveTime = m_dElapsed;
}

bool CDisturbanceMeter::IsAbovePeakBand(double error) const {
    return std::fabs(error) > DisturbanceFigures::kRecoveryBand * std::fabs(m_dPeak);
}

DisturbanceFigures CDisturbanceMeter::Figures() const {
    DisturbanceFigures f;
    if (!m_bAnyStep)
        return f;
    f.iae = m_errors.iae;
    f.ise = m_errors.ise;
    f.itae = m_errors.itae;
    if (!m_bHasPeak)
        return f;
    f.peakDeviation = m_dPeak;
    f.peakDeviationTimeS = m_dPeakTime;
    if (!m_bNewestAbove)
        f.recoveryTimeS = m_dLastAboveTime;
    return f;
}
