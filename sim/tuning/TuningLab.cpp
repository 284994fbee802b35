#include "TuningLab.h"

#include "HeldPowerRun.h"
#include "Random.h"
#include "StepTestExperiment.h"

#include <array>
#include <cmath>
#include <utility>

namespace {

/// The part of the progress bar the experiment takes; the predictions share the rest.
constexpr double kExperimentShare = 0.5;

/// The experiment's power on a resting copy of the setup, step after step.
ExperimentOutcome runOnSimulation(CPlantExperiment& experiment, CSimulation& simulation,
                                  const KeepGoing& keepGoing) {
    const double dt = CSimulation::StepSeconds(simulation.m_nSimStepMs);
    return runExperiment(
        experiment,
        [&](double power) {
            simulation.m_dPower = power;
            simulation.Step();
            return PlantStep{simulation.m_dPoint, dt};
        },
        keepGoing);
}

/// An Experiment(settings..., point at rest) run on a resting copy of the setup, the formula's random
/// generator started afresh, and how the run ended.
template <class Experiment, class... Settings>
std::pair<Experiment, ExperimentOutcome> runFromRest(const SimulationSetup& setup, const KeepGoing& keepGoing,
                                                     const Settings&... settings) {
    const FreshRandomScope freshRandom;
    const auto simulation = RestingSimulation(setup);
    Experiment experiment(settings..., simulation->m_dPoint);
    const ExperimentOutcome outcome = runOnSimulation(experiment, *simulation, keepGoing);
    return {std::move(experiment), outcome};
}

template <std::size_t N> std::vector<RulePrediction> predictionsOf(const std::array<TuningRule, N>& rules) {
    std::vector<RulePrediction> predictions(N);
    for (std::size_t i = 0; i < N; ++i) {
        predictions[i].name = rules[i].name;
        predictions[i].textbook = rules[i].gains;
        predictions[i].gains = toProgramGains(rules[i].gains);
    }
    return predictions;
}

/// The relay's ultimate cycle and its rules' gains.
void identifyByRelay(const SimulationSetup& setup, const RelaySettings& settings, const KeepGoing& keepGoing,
                     TuningResult& result) {
    const auto [relay, outcome] = runFromRest<CRelayExperiment>(setup, keepGoing, settings);
    result.outcome = outcome;
    result.cycle = relay.Result();
    if (result.cycle) {
        result.rules = predictionsOf(ultimateCycleRules(*result.cycle));
        result.predictionS = kPredictionSpans * result.cycle->tu;
        result.samplingLimited = result.cycle->tu < kMinStepsPerUltimatePeriod * StepSecondsOf(setup);
    }
}

/// The step test's model and its rules' gains; no model when the point settles the same without the step.
/// `keepGoing` counts the steps of the step run and then those of the held run after it.
void identifyByStepTest(const SimulationSetup& setup, double stepPower, const KeepGoing& keepGoing,
                        TuningResult& result) {
    const auto [stepTest, outcome] = runFromRest<CStepTestExperiment>(setup, keepGoing, stepPower);
    result.outcome = outcome;
    result.model = stepTest.Result();
    if (!result.model) {
        return;
    }
    const std::uint64_t steps = stepTest.Steps();
    KeepGoing heldGoesOn;
    if (keepGoing) {
        heldGoesOn = [&](std::uint64_t done) { return keepGoing(steps + done); };
    }
    const auto [held, heldOutcome] =
        runFromRest<CHeldPowerRun>(setup, heldGoesOn, CStepTestExperiment::kRestPower, steps);
    if (heldOutcome == ExperimentOutcome::Cancelled) {
        result.outcome = ExperimentOutcome::Cancelled;
    } else if (!stepTest.RespondsToPower(held.Point())) {
        result.outcome = ExperimentOutcome::NoResult;
    }
    if (result.outcome != ExperimentOutcome::Finished) {
        result.model.reset();
        return;
    }
    result.rules = predictionsOf(processModelRules(*result.model));
    result.predictionS = kPredictionSpans * (result.model->tau + result.model->theta);
}

/// Runs the request's experiment and fills the model and the rules' gains. A relay that finished without
/// a result (its cycles did not repeat) has no result either.
void identify(const SimulationSetup& setup, const TuningRequest& request, const KeepGoing& keepGoing,
              TuningResult& result) {
    if (request.method == TuningMethod::Relay) {
        identifyByRelay(setup, request.relay, keepGoing, result);
    } else {
        identifyByStepTest(setup, request.stepPower, keepGoing, result);
    }
    if (result.outcome == ExperimentOutcome::Finished && !result.cycle && !result.model) {
        result.outcome = ExperimentOutcome::NoResult;
    }
}

/// Steps of `seconds` at `dt`: at least one, at most kMaxExperimentSteps (also when dt is 0).
std::uint64_t stepsFor(double seconds, double dt) {
    const double steps = std::ceil(seconds / dt);
    if (!(steps < static_cast<double>(kMaxExperimentSteps))) {
        return kMaxExperimentSteps;
    }
    return steps < 1.0 ? 1 : static_cast<std::uint64_t>(steps);
}

} // namespace

double TuningSetPoint(double windowSetPoint) {
    return windowSetPoint == 0.0 ? RelaySettings{}.setPoint : windowSetPoint;
}

bool RulePrediction::Applies() const {
    return std::isfinite(gains.kp) && std::isfinite(gains.ki) && std::isfinite(gains.kd);
}

std::vector<NamedValue> TuningResult::IdentifiedValues() const {
    if (cycle) {
        return {{"Ku", cycle->ku}, {"Tu", cycle->tu}};
    }
    if (model) {
        return {{"K", model->k}, {"tau", model->tau}, {"theta", model->theta}};
    }
    return {};
}

std::string TuningResult::RulesThatDoNotApply() const {
    std::string names;
    for (const RulePrediction& rule : rules) {
        if (!rule.Applies()) {
            names += (names.empty() ? "" : ", ") + std::string(rule.name);
        }
    }
    return names;
}

TuningResult RunTuning(const SimulationSetup& setup, const TuningRequest& request,
                       const TuningProgress& progress) {
    TuningResult result;
    // The step test runs its steps twice: with the step, then with the power held.
    const double mostExperimentSteps =
        static_cast<double>(kMaxExperimentSteps) * (request.method == TuningMethod::StepTest ? 2.0 : 1.0);
    KeepGoing experimentGoesOn;
    if (progress) {
        experimentGoesOn = [&](std::uint64_t done) {
            return progress(kExperimentShare * static_cast<double>(done) / mostExperimentSteps);
        };
    }
    identify(setup, request, experimentGoesOn, result);
    if (result.outcome != ExperimentOutcome::Finished) {
        result.rules.clear();
        return result;
    }

    const double dt = StepSecondsOf(setup);
    const std::uint64_t steps = stepsFor(result.predictionS, dt);
    result.predictionS = static_cast<double>(steps) * dt;
    const double share = (1.0 - kExperimentShare) / static_cast<double>(result.rules.size());
    for (std::size_t i = 0; i < result.rules.size(); ++i) {
        RulePrediction& rule = result.rules[i];
        if (!rule.Applies()) {
            continue;
        }
        KeepGoing ruleGoesOn;
        if (progress) {
            ruleGoesOn = [&](std::uint64_t done) {
                return progress(kExperimentShare +
                                share * (static_cast<double>(i) + static_cast<double>(done) / steps));
            };
        }
        rule.response = RunClosedLoop(setup, rule.gains, request.setPoint, steps, true, ruleGoesOn);
        if (rule.response.cancelled) {
            result.outcome = ExperimentOutcome::Cancelled;
            result.rules.clear();
            return result;
        }
    }
    return result;
}
