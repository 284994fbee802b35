#pragma once

#include <cstdint>

/// What a simulation window keeps besides its simulation: whether its timer runs and at what period
/// the "Real" field asks, which series its chart draws, and the figure of its last paint. The command
/// line's simulation has no use for any of them.
class CWindowState {
public:
    bool m_bRunning = false;         ///< set by Start, cleared by Stop; drives the menu check marks
    std::uint32_t m_nRealStepMs = 1; ///< "Real": Start, and a change while running, arm the timer with it
    bool m_bShowError = true;
    bool m_bShowProportional = true;
    bool m_bShowIntegral = true;
    bool m_bShowDerivative = true;
    bool m_bShowPower = true;
    /// The chart draws what the controller read: the measurement differed from the point in this run
    /// (MeasurementDiffersFromPoint).
    bool m_bShowMeasurement = false;
    double m_dFps = 0.0; ///< frames per second: the inverse of the last paint's duration
};
