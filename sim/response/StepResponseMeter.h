#pragma once

#include "ErrorIntegrals.h"
#include "Sample.h"
#include "StepResponseFigures.h"

#include <cstdint>

/// Measures the response to the latest set-point step as the steps come: constant time per step and no
/// allocation, and no need for the history, so a response longer than the chart's history is still
/// measured whole.
///
/// A response begins at the first step of a run and at every step whose set point differs from the
/// previous step's. Its figures are read from z = (y - y0) / (r - y0), y0 being the point before that step
/// and r the new set point; T(k) is the simulated time from the start of that step to the end of step k.
class CStepResponseMeter {
public:
    /// Takes one step: its sample, the point before the step and the step's simulated length in seconds.
    /// `setPointByHand`: the set point was changed with its trackbar held down since the step before.
    void Add(const Sample& sample, double pointBefore, double dt, bool setPointByHand = false);
    /// The figures of the current response; all undefined before the first step.
    StepResponseFigures Figures() const;
    /// Whether the current response began with a change made while the trackbar was held down, or
    /// within kRampSteps steps of the one before it, which a set-point change also began: the set point
    /// was still moving, so the figures are those of a ramp's last piece, not of a step. A hand's drag is
    /// a ramp however far apart its changes come (at full speed they come tens of steps apart).
    bool StillChanging() const;
    /// Whether the newest step began the current response.
    bool BeganWithNewestStep() const { return m_nSteps != 0 && m_nStartStep == m_nSteps; }
    /// T of the newest step: simulated seconds from the start of the response's first step to the end
    /// of the newest; 0 before the first step.
    double ElapsedS() const { return m_dElapsed; }
    /// Forgets everything: the next step is the first of a run.
    void Clear() { *this = CStepResponseMeter(); }

    /// Half the width of the settling band, as a fraction of the step.
    static constexpr double kSettlingBand = 0.02;
    /// How close two set-point changes make a ramp rather than a step.
    static constexpr std::uint64_t kRampSteps = 10;

private:
    void BeginResponse(double setPoint, double pointBefore, bool byHand);
    void TrackRise(double z);
    void TrackPeak(double z, double point);
    void TrackSettling(double z);
    void AccumulateErrors(double error, double dt);

    std::uint64_t m_nSteps = 0;
    double m_dLastSetPoint = 0.0;

    std::uint64_t m_nStartStep = 0;
    /// The start of the response before the current one when a set-point change began both; 0 otherwise.
    std::uint64_t m_nPreviousChangeStep = 0;
    bool m_bByHand = false; ///< the current response began with a change made with the trackbar held
    double m_dInitialPoint = 0.0;
    double m_dSetPoint = 0.0;
    double m_dChange = 0.0;  // r - y0
    double m_dElapsed = 0.0; // T of the newest step

    bool m_bReached10 = false;
    bool m_bReached90 = false;
    double m_dTime10 = 0.0;
    double m_dTime90 = 0.0;

    bool m_bHasPeak = false;
    double m_dPeakZ = 0.0;
    double m_dPeak = 0.0;
    double m_dPeakTime = 0.0;

    bool m_bAnyOutside = false;
    bool m_bNewestOutside = false;
    double m_dLastOutsideTime = 0.0;

    double m_dError = 0.0;
    ErrorIntegrals m_errors;
    double m_dTimeSaturated = 0.0;
};
