#pragma once

#include "Sample.h"
#include "SampleHistory.h"
#include "StepClock.h"

#include <cstdint>
#include <string>

/// The whole state of one simulation window and its step, free of any window system.
/// The view derives from it and fills the hooks with the panel exchange and the repaint request.
class CSimulation {
public:
    static constexpr std::size_t kHistoryLength = SampleHistory::kCapacity;
    static constexpr const char* kDefaultFormula = "p + ((t/100)*5000 - p*1.0)*dt";
    /// Upper bound of the point; the lower bound is m_dPointMin.
    static constexpr double kPointMax = 3000.0;

    CSimulation() = default;
    virtual ~CSimulation() = default;

    /// Point back to its minimum and power to 0, as when a window first shows.
    void InitialUpdate();
    /// One controller-and-plant step: the controller by mode, the plant formula, the clamp, the sample,
    /// and the cycles-per-second figure of the step's own computing time.
    void Step();
    /// The "Reset" button: clears the accumulated integral only.
    void ResetIntegral() { m_dIntegral = 0.0; }
    /// The counter the step times itself with (the platform's steady counter unless replaced).
    void SetCounterSource(CounterSource source) { m_counterSource = source; }

    SampleHistory m_history;
    bool m_bRunning = false;
    double m_dPointMin = 20.0;
    std::uint32_t m_nSimStepMs = 100;
    std::uint32_t m_nRealStepMs = 1;
    bool m_bPid = false;
    bool m_bOnOff = false;
    double m_dKp = 0.0;
    double m_dKi = 0.0;
    double m_dKd = 0.0;
    double m_dSetPoint = 0.0;
    double m_dPoint = 20.0;
    double m_dIntegral = 0.0;
    double m_dPower = 0.0;
    std::string m_strFormula = kDefaultFormula;
    double m_dLastP = 0.0;
    double m_dLastD = 0.0;
    bool m_bShowError = true;
    bool m_bShowProportional = true;
    bool m_bShowIntegral = true;
    bool m_bShowDerivative = true;
    bool m_bShowPower = true;
    double m_dCps = 0.0;
    double m_dFps = 0.0;

protected:
    /// Called at the start of a step, before the controller reads the fields (panels into the view).
    virtual void BeforeStep() {}
    /// Called at the end of a step (view into the panels, repaint request).
    virtual void AfterStep() {}

private:
    void RunController(double error, double dt, Sample& sample);
    void RunPid(double error, double dt, Sample& sample);
    void EvaluatePlant(double dt);
    void ClampPoint();

    CounterSource m_counterSource = SteadyCounter();
};
