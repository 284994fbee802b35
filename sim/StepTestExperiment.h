#pragma once

#include "PlantExperiment.h"
#include "PlantModels.h"

#include <optional>
#include <vector>

/// The open-loop step test: the plant rests at power 0 and gets `stepPower` from the first step on, until
/// the point has settled: kQuietSteps consecutive steps each moving it by less than kQuietFraction of its
/// change since the start. Its response is read as a first order with dead time by Smith's two points:
/// t28 and t63, the times the point first reaches 28.3 % and 63.2 % of its final change (interpolated
/// linearly between samples, counted from the start of the first step), give τ = 1.5 (t63 - t28) and
/// θ = max(0, t63 - τ); K = Δy / Δu.
class StepTestExperiment : public PlantExperiment {
public:
    static constexpr int kQuietSteps = 100;
    static constexpr double kQuietFraction = 1e-6;

    /// `initialPoint` is the point at rest, before the first step.
    StepTestExperiment(double stepPower, double initialPoint);

    double nextPower() const override { return stepPower_; }
    void addStep(double point, double dt) override;
    bool finished() const override { return quietSteps_ >= kQuietSteps; }

    /// K, τ and θ once finished.
    std::optional<ProcessModel> result() const;

private:
    double timeToReach(double fraction) const;

    double stepPower_;
    std::vector<double> points_; // the point at rest first, then after each step
    std::vector<double> times_;  // when each was taken
    int quietSteps_ = 0;
};
