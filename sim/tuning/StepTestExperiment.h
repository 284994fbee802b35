#pragma once

#include "PlantExperiment.h"
#include "PlantModels.h"

#include <cstdint>
#include <optional>
#include <vector>

/// The open-loop step test: the plant rests at power 0 and gets `stepPower` from the first step on, until
/// the point has settled: kQuietSteps consecutive steps each moving it by less than kQuietFraction of its
/// change since the start. Its response is read as a first order with dead time by Smith's two points:
/// t28 and t63, the times the point first reaches 28.3 % and 63.2 % of its final change (interpolated
/// linearly between samples, counted from the start of the first step), give τ = 1.5 (t63 - t28) and
/// θ = max(0, t63 - τ); K = Δy / Δu.
///
/// A point that settles whatever the power (one that only climbs to its limit, say) gives no model: the
/// caller runs the same number of steps from the same rest with the power held at kRestPower, and the
/// step made no difference when the two runs end less than kResponseFraction of the step run's change
/// apart, or when neither run moved the point.
class CStepTestExperiment : public CPlantExperiment {
public:
    static constexpr int kQuietSteps = 100;
    static constexpr double kQuietFraction = 1e-6;
    static constexpr double kRestPower = 0.0;
    static constexpr double kResponseFraction = 1e-6;

    /// `initialPoint` is the point at rest, before the first step.
    CStepTestExperiment(double stepPower, double initialPoint);

    double NextPower() const override { return m_dStepPower; }
    void AddStep(double point, double dt) override;
    bool Finished() const override { return m_nQuietSteps >= kQuietSteps; }

    /// K, τ and θ once finished.
    std::optional<ProcessModel> Result() const;
    /// The steps run so far.
    std::uint64_t Steps() const { return m_points.size() - 1; }
    /// Whether the step made the difference, `heldPoint` being the point after Steps() steps from the same
    /// rest with the power held at kRestPower.
    bool RespondsToPower(double heldPoint) const;

private:
    double TimeToReach(double fraction) const;

    double m_dStepPower;
    std::vector<double> m_points; // the point at rest first, then after each step
    std::vector<double> m_times;  // when each was taken
    int m_nQuietSteps = 0;
};
