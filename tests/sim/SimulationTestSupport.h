#pragma once

#include "FakeCounter.h"
#include "Simulation.h"

#include <gtest/gtest.h>

/// A simulation after the initial update, as a window first shows it.
template <class Base = ::testing::Test> class SimulationTestBase : public Base {
protected:
    void SetUp() override { sim.InitialUpdate(); }

    /// PID mode with the given gains and set point.
    void setPid(double kp, double ki, double kd, double setPoint) {
        sim.m_bPid = true;
        sim.m_bOnOff = false;
        sim.m_dKp = kp;
        sim.m_dKi = ki;
        sim.m_dKd = kd;
        sim.m_dSetPoint = setPoint;
    }

    const Sample& newest() const { return sim.m_history.newest(); }

    CSimulation sim;
};
