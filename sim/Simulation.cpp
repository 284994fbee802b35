#include "Simulation.h"

#include "SimulationScales.h"

#include <cmath>

void CSimulation::InitialUpdate() {
    m_dPoint = m_dPointMin;
    m_dPower = 0.0;
    m_stepResponse.Clear();
    m_recording.clear();
    m_setups.clear();
    m_dynamics.Clear();
    m_pidLaw.Clear();
    m_sensor.Restart(m_sensorActuatorSettings.noiseSeed);
    m_bRunBegun = false;
    m_nPlantStatus = 0;
    m_bMeasurementDiffered = false;
}

void CSimulation::SetNoiseSeed(std::uint64_t seed) {
    m_sensorActuatorSettings.noiseSeed = seed;
    m_sensor.Restart(seed);
}

void CSimulation::SetKi(double ki) {
    m_dKi = ki;
    ResetIntegral();
}

void CSimulation::SetPid(bool on) {
    m_bPid = on;
    if (on) {
        m_bOnOff = false;
    }
}

void CSimulation::SetOnOff(bool on) {
    m_bOnOff = on;
    if (on) {
        m_bPid = false;
    }
}

void CSimulation::SetControlMode(ControlMode mode) {
    SetPid(mode == ControlMode::Pid);
    SetOnOff(mode == ControlMode::OnOff);
}

void CSimulation::Step() {
    // The figure is the inverse of the step's own computing time, so the clock brackets everything
    // the step does before the panels are refreshed.
    CStepClock clock(m_counterSource);
    clock.Start();
    BeforeStep();

    const double pointBefore = m_dPoint;
    Sample sample;
    sample.setPoint = m_dSetPoint;
    // The controller reads the measurement wherever it would read the point; the sample keeps the
    // plant's true point.
    sample.measurement = m_sensor.Measure(m_dPoint, m_sensorActuatorSettings);
    m_bMeasurementDiffered = m_bMeasurementDiffered || AltersMeasurement(m_sensorActuatorSettings);
    sample.error = m_dSetPoint - sample.measurement;
    const double dt = StepSeconds(m_nSimStepMs);
    sample.timeS = (m_history.empty() ? 0.0 : m_history.newest().timeS) + dt;
    RunController(dt, sample);
    m_pidLaw.RememberPoint(sample.measurement);
    sample.power = m_dPower;
    m_previousMode = Mode();
    m_bRunBegun = true;

    EvaluatePlant(m_dynamics.Apply(m_dynamicsSettings, m_dPower, dt), dt);
    ClampPoint();
    sample.point = m_dPoint;
    m_history.push_back(sample);
    m_stepResponse.Add(sample, pointBefore, dt, m_bSetPointByHand);
    m_recording.push_back({sample, pointBefore, dt, m_bSetPointByHand});
    m_bSetPointByHand = false;

    const double seconds = clock.Elapsed(CStepClock::kSeconds);
    if (seconds != 0.0) {
        m_dCps = 1.0 / seconds;
    }
    AfterStep();
}

CSimulation::ControlMode CSimulation::Mode() const {
    if (m_bPid)
        return ControlMode::Pid;
    return m_bOnOff ? ControlMode::OnOff : ControlMode::Manual;
}

PowerRateLimit CSimulation::RateLimit(double dt) const {
    // A run's first step starts from the power the simulation holds (the manual power, 0 in a new
    // window): the actuator is there, whatever an earlier run's samples say.
    const double previous = m_bRunBegun && !m_history.empty() ? m_history.newest().power : m_dPower;
    return {m_sensorActuatorSettings.rateLimit > 0.0, previous, m_sensorActuatorSettings.rateLimit, dt};
}

void CSimulation::RunController(double dt, Sample& sample) {
    if (m_bPid) {
        RunPid(sample.measurement, dt, sample);
    } else if (m_bOnOff) {
        m_dPower = RateLimit(dt).Limit(sample.error > 0.0 ? kPowerScale.high : kPowerScale.low);
    }
    // Manual: the power is whatever the power trackbar last set.
}

void CSimulation::RunPid(double measurement, double dt, Sample& sample) {
    // The derivative and the integral work on the error of the newest sample, whatever mode produced it.
    const bool hasPrevious = !m_history.empty();
    const PidInput in{
        m_dSetPoint, measurement, sample.error, hasPrevious, hasPrevious ? m_history.newest().error : 0.0,
        dt};
    PidActuator actuator;
    actuator.bumplessTransfer =
        m_sensorActuatorSettings.bumpless && m_bRunBegun && hasPrevious && m_previousMode != ControlMode::Pid;
    actuator.previousPower = hasPrevious ? m_history.newest().power : 0.0;
    actuator.rateLimit = RateLimit(dt);
    const PidOutput out = m_pidLaw.Step(in, {m_dKp, m_dKi, m_dKd}, m_pidOptions, m_dIntegral, actuator);

    m_dPower = out.power;
    m_dLastD = out.derivative;
    m_dLastP = out.proportional;
    sample.proportional = out.proportional;
    sample.integral = out.integral;
    sample.derivative = out.derivative;
}

void CSimulation::EvaluatePlant(double t, double dt) {
    const double bindings[] = {m_dPoint, t, dt};
    double result = 0.0;
    const int status = m_plant.evaluate(m_strFormula, bindings, result);
    // A failed formula, or one that yields no number, keeps the point where it was.
    m_nPlantStatus = status != 0 ? status : std::isnan(result) ? kPlantGaveNoNumber : 0;
    if (m_nPlantStatus == 0) {
        m_dPoint = result;
    }
}

void CSimulation::ClampPoint() {
    const double bounded = m_dPoint > kPointScale.high ? kPointScale.high : m_dPoint;
    m_dPoint = bounded < m_dPointMin ? m_dPointMin : bounded;
}
