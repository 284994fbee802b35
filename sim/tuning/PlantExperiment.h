#pragma once

/// A tuning experiment: it chooses the power of every step of a plant started from rest and reads the
/// point after each step, until it has its result.
class CPlantExperiment {
public:
    virtual ~CPlantExperiment() = default;

    /// The power for the coming step.
    virtual double NextPower() const = 0;
    /// The point after the step and the step's simulated length in seconds.
    virtual void AddStep(double point, double dt) = 0;
    /// True once the experiment has what it needs.
    virtual bool Finished() const = 0;
};
