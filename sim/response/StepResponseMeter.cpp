#include "StepResponseMeter.h"

#include "SimulationScales.h"

#include <algorithm>
#include <cmath>

void CStepResponseMeter::Add(const Sample& sample, double pointBefore, double dt, bool setPointByHand) {
    ++m_nSteps;
    // NaN != NaN: a set point that is not a number starts a new response at every step, as a plain
    // comparison of the recorded set points would say.
    if (m_nSteps == 1 || sample.setPoint != m_dLastSetPoint) {
        // The run's first step begins a response without a change of the set point.
        const std::uint64_t previousChange = m_nStartStep > 1 ? m_nStartStep : 0;
        BeginResponse(sample.setPoint, pointBefore, setPointByHand);
        m_nPreviousChangeStep = m_nSteps > 1 ? previousChange : 0;
    }
    m_dLastSetPoint = sample.setPoint;
    m_dElapsed += dt;
    // The true error, set point minus point, whatever the controller measured.
    AccumulateErrors(sample.setPoint - pointBefore, dt);
    if (sample.power == kPowerScale.low || sample.power == kPowerScale.high) {
        m_dTimeSaturated += dt;
    }
    if (m_dChange != 0.0) {
        const double z = (sample.point - m_dInitialPoint) / m_dChange;
        TrackRise(z);
        TrackPeak(z, sample.point);
        TrackSettling(z);
    }
}

StepResponseFigures CStepResponseMeter::Figures() const {
    StepResponseFigures f;
    if (m_nSteps == 0) {
        return f;
    }
    f.responseStartStep = static_cast<double>(m_nStartStep);
    f.initialPoint = m_dInitialPoint;
    f.setPoint = m_dSetPoint;
    f.steadyStateError = m_dError;
    f.iae = m_errors.iae;
    f.ise = m_errors.ise;
    f.itae = m_errors.itae;
    f.timeSaturatedS = m_dTimeSaturated;
    // Without a step there is nothing to rise, overshoot or settle.
    if (m_dChange == 0.0) {
        return f;
    }
    if (m_bReached10 && m_bReached90) {
        f.riseTimeS = m_dTime90 - m_dTime10;
    }
    if (m_bHasPeak) {
        f.overshootPct = std::max(0.0, (m_dPeakZ - 1.0) * 100.0);
        f.peak = m_dPeak;
        f.peakTimeS = m_dPeakTime;
    }
    if (!m_bNewestOutside) {
        f.settlingTimeS = m_bAnyOutside ? m_dLastOutsideTime : 0.0;
    }
    return f;
}

bool CStepResponseMeter::StillChanging() const {
    return m_bByHand || (m_nPreviousChangeStep != 0 && m_nStartStep - m_nPreviousChangeStep <= kRampSteps);
}

void CStepResponseMeter::BeginResponse(double setPoint, double pointBefore, bool byHand) {
    const std::uint64_t steps = m_nSteps;
    Clear();
    m_nSteps = steps;
    m_nStartStep = steps;
    m_dInitialPoint = pointBefore;
    m_dSetPoint = setPoint;
    m_dChange = setPoint - pointBefore;
    m_bByHand = byHand;
}

void CStepResponseMeter::TrackRise(double z) {
    if (!m_bReached10 && z >= 0.1) {
        m_bReached10 = true;
        m_dTime10 = m_dElapsed;
    }
    if (!m_bReached90 && z >= 0.9) {
        m_bReached90 = true;
        m_dTime90 = m_dElapsed;
    }
}

void CStepResponseMeter::TrackPeak(double z, double point) {
    // The first sample with the largest z; a z that is not a number is never a peak.
    if (m_bHasPeak ? z > m_dPeakZ : !std::isnan(z)) {
        m_bHasPeak = true;
        m_dPeakZ = z;
        m_dPeak = point;
        m_dPeakTime = m_dElapsed;
    }
}

void CStepResponseMeter::TrackSettling(double z) {
    m_bNewestOutside = !(std::fabs(z - 1.0) <= kSettlingBand);
    if (m_bNewestOutside) {
        m_bAnyOutside = true;
        m_dLastOutsideTime = m_dElapsed;
    }
}

void CStepResponseMeter::AccumulateErrors(double error, double dt) {
    m_dError = error;
    m_errors.Add(error, m_dElapsed, dt);
}
