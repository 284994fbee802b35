#include "Simulation.h"

#include "SimulationScales.h"

#include <cmath>

void CSimulation::InitialUpdate() {
    m_dPoint = m_dPointMin;
    m_dPower = 0.0;
    m_stepResponse.Clear();
    m_dynamics.Clear();
    m_pidLaw.Clear();
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
    sample.error = m_dSetPoint - m_dPoint;
    const double dt = StepSeconds(m_nSimStepMs);
    sample.timeS = (m_history.empty() ? 0.0 : m_history.newest().timeS) + dt;
    RunController(sample.error, dt, sample);
    m_pidLaw.RememberPoint(m_dPoint);
    sample.power = m_dPower;

    EvaluatePlant(m_dynamics.Apply(m_dynamicsSettings, m_dPower, dt), dt);
    ClampPoint();
    sample.point = m_dPoint;
    m_history.push_back(sample);
    m_stepResponse.Add(sample, pointBefore, dt);

    const double seconds = clock.Elapsed(CStepClock::kSeconds);
    if (seconds != 0.0) {
        m_dCps = 1.0 / seconds;
    }
    AfterStep();
}

void CSimulation::RunController(double error, double dt, Sample& sample) {
    if (m_bPid) {
        RunPid(error, dt, sample);
    } else if (m_bOnOff) {
        m_dPower = error > 0.0 ? kPowerScale.high : kPowerScale.low;
    }
    // Manual: the power is whatever the power trackbar last set.
}

void CSimulation::RunPid(double error, double dt, Sample& sample) {
    // The derivative and the integral work on the error of the newest sample, whatever mode produced it.
    const bool hasPrevious = !m_history.empty();
    const PidInput in{m_dSetPoint, m_dPoint, error, hasPrevious, hasPrevious ? m_history.newest().error : 0.0,
                      dt};
    const PidOutput out = m_pidLaw.Step(in, {m_dKp, m_dKi, m_dKd}, m_pidOptions, m_dIntegral);

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
    if (status == 0 && !std::isnan(result)) {
        m_dPoint = result;
    }
}

void CSimulation::ClampPoint() {
    const double bounded = m_dPoint > kPointScale.high ? kPointScale.high : m_dPoint;
    m_dPoint = bounded < m_dPointMin ? m_dPointMin : bounded;
}
