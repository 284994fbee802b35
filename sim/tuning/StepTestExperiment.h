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
class CStepTestExperiment : public CPlantExperiment {
public:
    static constexpr int kQuietSteps = 100;
    static constexpr double kQuietFraction = 1e-6;

    /// `initialPoint` is the point at rest, before the first step.
    CStepTestExperiment(double stepPower, double initialPoint);

    double NextPower() const override { return m_dStepPower; }
    void AddStep(double point, double dt) override;
    bool Finished() const override { return m_nQuietSteps >= kQuietSteps; }

    /// K, τ and θ once finished.
    std::optional<ProcessModel> Result() const;

private:
    double TimeToReach(double fraction) const;

    double m_dStepPower;
    std::vector<double> m_points; // the point at rest first, then after each step
    std::vector<double> m_times;  // when each was taken
    int m_nQuietSteps = 0;
};
