#pragma once

#include "ClosedLoopRun.h"
#include "ExperimentRunner.h"
#include "PlantModels.h"
#include "RelayExperiment.h"
#include "SimulationSetup.h"
#include "TuningRules.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class TuningMethod { Relay, StepTest };

/// The experiment to run and its settings.
struct TuningRequest {
    TuningMethod method = TuningMethod::Relay;
    RelaySettings relay;
    /// Where every rule's predicted response goes, whichever the method: TuningSetPoint of the window's,
    /// like the relay's.
    double setPoint = RelaySettings{}.setPoint;
    double stepPower = 50.0; ///< the step test's power from the first step on (from 0 before)
};

/// The set point of a tuning: the window's, or 1500 when that is 0.
double TuningSetPoint(double windowSetPoint);

/// One rule's gains and the closed loop they predict.
struct RulePrediction {
    const char* name = "";
    TextbookGains textbook; ///< Kc, Ti, Td as the rule gives them
    /// This program's form: Ki divides the integral, so Kp = Kc, Ki = Ti / Kc, Kd = Kc * Td.
    PidGains gains;
    /// From rest to the set point; every figure undefined and no trace when the rule does not apply.
    ClosedLoopResponse response;

    /// False when the rule gives no finite gains for this model (no dead time for the rules that divide by
    /// it).
    bool Applies() const;
};

/// A model value as the tables list it.
struct NamedValue {
    const char* name;
    double value;
};

/// An ultimate period shorter than this many simulated steps is the sampling's, not the plant's.
inline constexpr double kMinStepsPerUltimatePeriod = 10.0;

struct TuningResult {
    ExperimentOutcome outcome = ExperimentOutcome::NoResult;
    std::optional<UltimateCycle> cycle; ///< what the relay found
    std::optional<ProcessModel> model;  ///< what the step test found
    std::vector<RulePrediction> rules;  ///< in the rules' order; empty without a result
    double predictionS = 0.0;           ///< the simulated length of every predicted response
    /// Tu is shorter than kMinStepsPerUltimatePeriod steps: the relay's oscillation comes from the
    /// sampling (a first-order plant oscillates so at any gain; its "Ku" grows as the step shrinks).
    bool samplingLimited = false;

    /// Ku and Tu, or K, tau and theta; empty without a result.
    std::vector<NamedValue> IdentifiedValues() const;
    /// The names of the rules that do not apply, separated by ", ".
    std::string RulesThatDoNotApply() const;
};

/// Asked now and then with the fraction done, from 0 to 1; false cancels.
using TuningProgress = std::function<bool(double fractionDone)>;

/// The predicted responses last this many of the model's characteristic times (Tu, or τ + θ), enough
/// for the rules' loops to settle, and at most kMaxExperimentSteps steps.
inline constexpr double kPredictionSpans = 20.0;

/// Runs the experiment headless on a resting copy of `setup`, at most kMaxExperimentSteps steps, and
/// simulates every rule's gains from rest to the set point, each run with the formula's random
/// generator started afresh: nothing of the window the setup came from is touched, not even the
/// thread's random sequence. Outcome NoResult when the relay never made the point oscillate, or its cycles
/// do not repeat, or the step test never settled, or the point settled the same without the step;
/// Cancelled when `progress` said so.
TuningResult RunTuning(const SimulationSetup& setup, const TuningRequest& request,
                       const TuningProgress& progress = {});
