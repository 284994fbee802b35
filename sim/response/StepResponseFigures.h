#pragma once

#include "FigureField.h"

#include <array>
#include <limits>

/// The figures of the response to the latest set-point step. A figure that is not defined (yet) is NaN.
/// Times are simulated seconds counted from the start of the step where the response began.
struct StepResponseFigures {
    static constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

    double responseStartStep = kUndefined; ///< step number (from 1 since the run began) of the set-point step
    double initialPoint = kUndefined;      ///< the point before that step
    double setPoint = kUndefined;          ///< the new set point
    double riseTimeS = kUndefined;         ///< from 10 % to 90 % of the step
    double overshootPct = kUndefined;      ///< beyond the set point, in percent of the step
    double peak = kUndefined;              ///< the point at the first largest excursion
    double peakTimeS = kUndefined;
    double settlingTimeS = kUndefined; ///< last time outside the 2 % band; undefined while outside
    double steadyStateError = kUndefined;
    double iae = kUndefined;            ///< integral of |e| dt
    double ise = kUndefined;            ///< integral of e² dt
    double itae = kUndefined;           ///< integral of t·|e| dt
    double timeSaturatedS = kUndefined; ///< time at power 0 or 100
};

using StepResponseFigureField = FigureField<StepResponseFigures>;

/// Every figure in the order they are listed to users.
inline constexpr std::array<StepResponseFigureField, 13> kStepResponseFigureFields = {{
    {"response_start_step", &StepResponseFigures::responseStartStep},
    {"initial_point", &StepResponseFigures::initialPoint},
    {"setpoint", &StepResponseFigures::setPoint},
    {"rise_time_s", &StepResponseFigures::riseTimeS},
    {"overshoot_pct", &StepResponseFigures::overshootPct},
    {"peak", &StepResponseFigures::peak},
    {"peak_time_s", &StepResponseFigures::peakTimeS},
    {"settling_time_s", &StepResponseFigures::settlingTimeS},
    {"steady_state_error", &StepResponseFigures::steadyStateError},
    {"iae", &StepResponseFigures::iae},
    {"ise", &StepResponseFigures::ise},
    {"itae", &StepResponseFigures::itae},
    {"time_saturated_s", &StepResponseFigures::timeSaturatedS},
}};
