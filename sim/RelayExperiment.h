#pragma once

#include "PlantExperiment.h"
#include "PlantModels.h"

#include <optional>

struct RelaySettings {
    double setPoint = 1500.0;
    double bias = 50.0;
    double amplitude = 50.0; ///< h: the relay switches between bias + h and bias - h
    double hysteresis = 0.0; ///< ε: no switch while |e| <= ε
};

/// Åström and Hägglund's relay experiment: a relay in place of the controller makes the loop oscillate
/// at its ultimate period, and the describing function of the relay gives the ultimate gain from the
/// amplitude, Ku = 4h / (π a).
///
/// The relay starts at bias + h and switches on the error of each step (set point minus the point before
/// it). Cycles run from one upward crossing of the set point by the point to the next; a crossing's time
/// is interpolated linearly between the samples around it (times count from the start of the first step).
/// The first kDiscardedCycles cycles are the transient; over the next kMeasuredCycles, Tu is their mean
/// length and a half the point's peak-to-peak range over the samples from the step of their first
/// crossing to the step of their last.
class RelayExperiment : public PlantExperiment {
public:
    static constexpr int kDiscardedCycles = 2;
    static constexpr int kMeasuredCycles = 4;

    /// `initialPoint` is the point before the first step.
    RelayExperiment(const RelaySettings& settings, double initialPoint);

    double nextPower() const override { return power_; }
    void addStep(double point, double dt) override;
    bool finished() const override { return crossings_ == kDiscardedCycles + kMeasuredCycles + 1; }

    /// Ku and Tu once finished.
    std::optional<UltimateCycle> result() const;

private:
    void switchOn(double point);
    void noteCrossing(double point, double dt);
    bool measuring() const { return crossings_ > kDiscardedCycles; }

    RelaySettings settings_;
    double power_ = 0.0;
    double lastPoint_ = 0.0;
    double elapsed_ = 0.0; // end of the newest step
    int crossings_ = 0;
    double firstMeasuredCrossing_ = 0.0;
    double lastMeasuredCrossing_ = 0.0;
    double lowest_ = 0.0;
    double highest_ = 0.0;
};
