#pragma once

#include "FigureField.h"

#include <array>
#include <cstddef>
#include <limits>

/// The figures of the response to a load disturbance, from the step the disturbance changes. e(k) is
/// the step's true error, the set point minus the point before the step, as the step-response figures
/// take it; times are simulated seconds from the start of the response's first step to the end of step
/// k, as theirs are. A figure that is not defined is NaN.
struct DisturbanceFigures {
    static constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

    double peakDeviation = kUndefined; ///< the e(k) of largest |e(k)|, signed; the first on ties
    double peakDeviationTimeS = kUndefined;
    /// The time of the last step whose |e(k)| is above kRecoveryBand of |peakDeviation|; 0 when none
    /// is, undefined while the newest one still is.
    double recoveryTimeS = kUndefined;
    double iae = kUndefined;
    double ise = kUndefined;
    double itae = kUndefined;

    static constexpr double kRecoveryBand = 0.02;
};

/// Every load-disturbance figure in the order they are listed to users; the first
/// kDisturbanceOnlyFigures are the ones a step response does not have.
inline constexpr std::array<FigureField<DisturbanceFigures>, 6> kDisturbanceFigureFields = {{
    {"peak_deviation", &DisturbanceFigures::peakDeviation},
    {"peak_deviation_time_s", &DisturbanceFigures::peakDeviationTimeS},
    {"recovery_time_s", &DisturbanceFigures::recoveryTimeS},
    {"iae", &DisturbanceFigures::iae},
    {"ise", &DisturbanceFigures::ise},
    {"itae", &DisturbanceFigures::itae},
}};
inline constexpr std::size_t kDisturbanceOnlyFigures = 3;
