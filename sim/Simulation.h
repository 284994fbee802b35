#pragma once

#include "PidLaw.h"
#include "PidOptions.h"
#include "PlantDynamics.h"
#include "PlantDynamicsSettings.h"
#include "PreparedFormula.h"
#include "RunRecording.h"
#include "Sample.h"
#include "SampleHistory.h"
#include "Sensor.h"
#include "SensorActuatorSettings.h"
#include "SetupLog.h"
#include "StepClock.h"
#include "StepResponseMeter.h"

#include <cstdint>
#include <string>

/// The state of one simulation and its step, free of any window system: the controller settings and
/// options, the point, the power, the dynamics between the power and the plant formula, the formula
/// and the history. The window derives from it and fills the
/// hooks with the panel exchange and the repaint request; the command line drives it directly.
class CSimulation {
public:
    static constexpr std::size_t kHistoryLength = SampleHistory::kCapacity;
    static constexpr const char* kDefaultFormula = "p + ((t/100)*5000 - p*1.0)*dt";

    /// Which controller sets the power; PID and on/off are never both on.
    enum class ControlMode { Manual, Pid, OnOff };

    CSimulation() = default;
    virtual ~CSimulation() = default;

    /// Point back to its minimum and power to 0, as when a window first shows; the dynamics and the
    /// controller's memory (dead-time record, lags, filtered derivative, previous point) back to rest;
    /// the next step begins a new run, and its recording starts empty.
    void InitialUpdate();
    /// One controller-and-plant step: the controller by mode, the dynamics, the plant formula, the clamp,
    /// the sample, its simulated time, the step-response figures, and the cycles-per-second figure of the
    /// step's own computing time.
    void Step();

    // The rules of the panels, which the window's panels and the command line's settings both apply.

    /// The "Reset" button: clears the accumulated integral only (the dynamics and the controller's
    /// memory carry on).
    void ResetIntegral() { m_dIntegral = 0.0; }
    /// A new Ki. The integral accumulated under the old divisor would make the integral term jump, so
    /// it starts again from 0.
    void SetKi(double ki);
    /// Switches PID control on or off; switching it on switches on/off control off.
    void SetPid(bool on);
    /// Switches on/off control on or off; switching it on switches PID control off.
    void SetOnOff(bool on);
    void SetControlMode(ControlMode mode);
    /// Which controller sets the power now.
    ControlMode Mode() const;

    /// The simulated step in seconds, as the controller and the plant formula take it.
    static double StepSeconds(std::uint32_t simStepMs) { return simStepMs * 0.001; }

    /// What the newest evaluation of the plant formula gave: 0 when it gave a number, the engine's
    /// status when it failed, kPlantGaveNoNumber when it gave NaN. The point stays put meanwhile.
    static constexpr int kPlantGaveNoNumber = -1;
    int PlantStatus() const { return m_nPlantStatus; }

    /// The counter the step (and the window's paint) times itself with: the platform's steady counter
    /// unless replaced.
    void SetCounterSource(CounterSource source) { m_counterSource = source; }
    CounterSource Counter() const { return m_counterSource; }

    SampleHistory m_history;
    double m_dPointMin = 20.0;
    std::uint32_t m_nSimStepMs = 100;
    bool m_bPid = false;
    bool m_bOnOff = false;
    double m_dKp = 0.0;
    double m_dKi = 0.0;
    double m_dKd = 0.0;
    double m_dSetPoint = 0.0;
    /// The set point was changed with its trackbar held down since the last step: the response that
    /// change begins is a hand's ramp, not a step. The next step takes it and clears it.
    bool m_bSetPointByHand = false;
    double m_dPoint = 20.0;
    double m_dIntegral = 0.0;
    double m_dPower = 0.0;
    std::string m_strFormula = kDefaultFormula;
    double m_dLastP = 0.0;
    double m_dLastD = 0.0;
    double m_dCps = 0.0;
    /// The load disturbance, dead time and lags between the power and the formula's t.
    PlantDynamicsSettings m_dynamicsSettings;
    /// Set-point weight, derivative on measurement, derivative filter and anti-windup.
    PidOptions m_pidOptions;
    /// The sensor's noise and resolution, the actuator's rate limit and the bumpless transfer.
    SensorActuatorSettings m_sensorActuatorSettings;
    /// A new seed: the noise starts again from it.
    void SetNoiseSeed(std::uint64_t seed);
    /// Whether a step of this run measured with the noise or the quantization on (AltersMeasurement):
    /// then the window's CSV ends each row with the measurement.
    bool MeasurementDiffersFromPoint() const { return m_bMeasurementDiffered; }

    /// The response to the latest set-point step of the run. A run begins with the first step after
    /// the initial update (a new window's first step, the command line's first step); Stop and Start
    /// only pause it, since no simulated time passes while stopped, so a pause to read the chart
    /// never restarts the response being measured (nor the history's clock, Sample::timeS).
    CStepResponseMeter m_stepResponse;
    /// Every step of the run since the initial update, for studying it afterwards: none unless given a
    /// capacity (a window gives it one).
    RunRecording m_recording;
    /// The setup at the start of each response of the run, beside the recording: a window notes it,
    /// since only the window knows all its settings; a headless run keeps none.
    SetupLog m_setups;

protected:
    /// Evaluates the plant formula for the dynamics' output `t` and moves the point to its value. The
    /// benchmark's reference step replaces it with the default formula written in C++.
    virtual void EvaluatePlant(double t, double dt);

    /// Called at the start of a step, before the controller reads the fields (panels into the view).
    virtual void BeforeStep() {}
    /// Called at the end of a step (view into the panels, repaint request).
    virtual void AfterStep() {}

private:
    void RunController(double dt, Sample& sample);
    void RunPid(double measurement, double dt, Sample& sample);
    /// The actuator's limit for this step, from the newest sample's power, or on a run's first step
    /// from the power held before it.
    PowerRateLimit RateLimit(double dt) const;
    void ClampPoint();

    CounterSource m_counterSource = SteadyCounter();
    CPlantDynamics m_dynamics;
    CPidLaw m_pidLaw;
    CSensor m_sensor;
    /// Whether a step ran since the initial update, and in which mode the latest did.
    bool m_bRunBegun = false;
    ControlMode m_previousMode = ControlMode::Manual;
    int m_nPlantStatus = 0;
    bool m_bMeasurementDiffered = false;
    /// The formula as a new engine would evaluate it at every step, prepared once while it stays the same.
    PreparedFormula m_plant{{"p", "t", "dt"}};
};
