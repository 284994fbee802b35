#pragma once

#include "PlantExperiment.h"
#include "PlantModels.h"

#include <array>
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
/// crossing to the step of their last. Cycles that do not repeat make no ultimate cycle (noise crosses
/// the set point too): there is no result when the four lengths, or the four halves of each cycle's own
/// peak-to-peak range, spread (max - min) by more than kMaxSpread of their mean.
class CRelayExperiment : public CPlantExperiment {
public:
    static constexpr int kDiscardedCycles = 2;
    static constexpr int kMeasuredCycles = 4;
    static constexpr double kMaxSpread = 0.2;

    /// `initialPoint` is the point before the first step.
    CRelayExperiment(const RelaySettings& settings, double initialPoint);

    double NextPower() const override { return m_dPower; }
    void AddStep(double point, double dt) override;
    bool Finished() const override { return m_nCrossings == kDiscardedCycles + kMeasuredCycles + 1; }

    /// Ku and Tu once finished, when the measured cycles repeat.
    std::optional<UltimateCycle> Result() const;

private:
    using PerCycle = std::array<double, kMeasuredCycles>;

    void SwitchOn(double point);
    void NoteCrossing(double point, double dt);
    /// Widens the range of the measured cycle `cycle` to take in `point`.
    void Widen(int cycle, double point);
    /// The measured cycle the newest sample belongs to: -1 before the first, kMeasuredCycles after the last.
    int MeasuredCycle() const { return m_nCrossings - kDiscardedCycles - 1; }
    bool Repeats() const;

    RelaySettings m_settings;
    double m_dPower = 0.0;
    double m_dLastPoint = 0.0;
    double m_dElapsed = 0.0; // end of the newest step
    int m_nCrossings = 0;
    std::array<double, kMeasuredCycles + 1> m_crossingTimes{}; // of the measured cycles' crossings
    PerCycle m_lowest{};
    PerCycle m_highest{};
};
