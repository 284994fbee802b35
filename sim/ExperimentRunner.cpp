#include "ExperimentRunner.h"

ExperimentOutcome runExperiment(PlantExperiment& experiment, const AdvancePlant& advance,
                                const KeepGoing& keepGoing) {
    for (std::uint64_t step = 0; step < kMaxExperimentSteps && !experiment.finished(); ++step) {
        if (keepGoing && step % kKeepGoingInterval == 0 && !keepGoing(step)) {
            return ExperimentOutcome::Cancelled;
        }
        const PlantStep outcome = advance(experiment.nextPower());
        experiment.addStep(outcome.point, outcome.dt);
    }
    return experiment.finished() ? ExperimentOutcome::Finished : ExperimentOutcome::NoResult;
}
