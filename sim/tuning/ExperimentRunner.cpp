#include "ExperimentRunner.h"

ExperimentOutcome runExperiment(CPlantExperiment& experiment, const AdvancePlant& advance,
                                const KeepGoing& keepGoing) {
    CKeepGoingPacer pacer(keepGoing);
    for (std::uint64_t step = 0; step < kMaxExperimentSteps && !experiment.Finished(); ++step) {
        if (!pacer.GoOn(step)) {
            return ExperimentOutcome::Cancelled;
        }
        const PlantStep outcome = advance(experiment.NextPower());
        experiment.AddStep(outcome.point, outcome.dt);
    }
    return experiment.Finished() ? ExperimentOutcome::Finished : ExperimentOutcome::NoResult;
}
