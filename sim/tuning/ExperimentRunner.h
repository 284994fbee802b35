#pragma once

#include "KeepGoingPacer.h"
#include "PlantExperiment.h"

#include <cstdint>
#include <functional>

/// The point after one step of a headless plant and the step's simulated length in seconds.
struct PlantStep {
    double point = 0.0;
    double dt = 0.0;
};

/// Runs one step of a headless copy of the plant with the given power.
using AdvancePlant = std::function<PlantStep(double power)>;

enum class ExperimentOutcome {
    Finished,  ///< the experiment has its result
    NoResult,  ///< kMaxExperimentSteps went by without one (no oscillation, never settled)
    Cancelled, ///< keepGoing said so
};

/// A headless experiment gives up after this many steps.
inline constexpr std::uint64_t kMaxExperimentSteps = 200000;

/// Steps the plant with the experiment's power until the experiment has finished, at most
/// kMaxExperimentSteps steps.
ExperimentOutcome runExperiment(CPlantExperiment& experiment, const AdvancePlant& advance,
                                const KeepGoing& keepGoing = {});
