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
class CRelayExperiment : public CPlantExperiment {
public:
    static constexpr int kDiscardedCycles = 2;
    static constexpr int kMeasuredCycles = 4;

    /// `initialPoint` is the point before the first step.
    CRelayExperiment(const RelaySettings& settings, double initialPoint);

    double NextPower() const override { return m_dPower; }
    void AddStep(double point, double dt) override;
    bool Finished() const override { return m_nCrossings == kDiscardedCycles + kMeasuredCycles + 1; }

    /// Ku and Tu once finished.
    std::optional<UltimateCycle> Result() const;

private:
    void SwitchOn(double point);
    void NoteCrossing(double point, double dt);
    bool Measuring() const { return m_nCrossings > kDiscardedCycles; }

    RelaySettings m_settings;
    double m_dPower = 0.0;
    double m_dLastPoint = 0.0;
    double m_dElapsed = 0.0; // end of the newest step
    int m_nCrossings = 0;
    double m_dFirstMeasuredCrossing = 0.0;
    double m_dLastMeasuredCrossing = 0.0;
    double m_dLowest = 0.0;
    double m_dHighest = 0.0;
};
