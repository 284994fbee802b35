#pragma once

#include "PlantExperiment.h"

#include <cstdint>

/// A run of a given number of steps with the power held still: the step test's control, which tells a
/// point that follows the power from one that would have moved anyway.
class CHeldPowerRun : public CPlantExperiment {
public:
    /// The point stays at `initialPoint` until the first step.
    CHeldPowerRun(double power, std::uint64_t steps, double initialPoint)
        : m_dPower(power), m_nStepsLeft(steps), m_dPoint(initialPoint) {}

    double NextPower() const override { return m_dPower; }
    void AddStep(double point, double /*dt*/) override {
        if (!Finished()) {
            m_dPoint = point;
            --m_nStepsLeft;
        }
    }
    bool Finished() const override { return m_nStepsLeft == 0; }

    /// The point after the newest step.
    double Point() const { return m_dPoint; }

private:
    double m_dPower;
    std::uint64_t m_nStepsLeft;
    double m_dPoint;
};
