#include "GradedRun.h"

#include "ErrorTables.h"
#include "EventSchedule.h"
#include "ResponseSegment.h"
#include "Simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

/// The steps of the response to the exercise's events at step `fromStep`: up to the step before the
/// exercise's next event, or the run's last step.
ResponseSegment exerciseSegment(const Exercise& exercise, double dtS, std::uint64_t fromStep,
                                std::uint64_t lastStep) {
    ResponseSegment segment{fromStep, lastStep};
    for (const ScheduledEvent& event : exercise.events) {
        const std::uint64_t step = eventStep(event.atS, dtS);
        if (step > fromStep)
            segment.toStep = std::min(segment.toStep, step - 1);
    }
    return segment;
}

/// One meter for each check of the window that names atS, in the order of the window's checks.
std::vector<CResponseSegmentMeter> checkMeters(const std::vector<const ExerciseCheck*>& checks,
                                               const Exercise& exercise, double dtS, std::uint64_t steps) {
    std::vector<CResponseSegmentMeter> meters;
    for (const ExerciseCheck* check : checks) {
        if (check->hasAtS)
            meters.emplace_back(exerciseSegment(exercise, dtS, eventStep(check->atS, dtS), steps));
    }
    return meters;
}

/// The most steps a graded run takes: 10,000,000 are under a minute, 1e12 would be a month.
constexpr std::uint64_t kMaxGradedSteps = 10000000;

/// Why a run of `runS` at `dtS` cannot be graded; empty when it can.
std::string runLengthProblem(double runS, double dtS) {
    if (dtS == 0.0)
        return "a step of 0 ms never reaches runS";
    if (stepsToRun(runS, dtS) <= kMaxGradedSteps)
        return "";
    char text[160];
    std::snprintf(text, sizeof text, "runS takes %.15g steps of %.15g ms; a graded run takes at most %llu",
                  std::ceil(runS / dtS), dtS * 1000.0, static_cast<unsigned long long>(kMaxGradedSteps));
    return text;
}

/// Why the plant formula failed, as the engine says it.
std::string plantFailure(std::uint64_t step, int status) {
    const char* reason =
        status == CSimulation::kPlantGaveNoNumber ? "it gave no number" : errorMessage(status);
    return "the plant formula fails at step " + std::to_string(step) + ": " +
           (*reason != '\0' ? std::string(reason) : "engine status " + std::to_string(status));
}

} // namespace

std::string gradeWindow(const VrlWindowSetup& window, std::size_t windowNumber, const Exercise& exercise,
                        std::vector<CheckGrade>& grades) {
    auto simulation = std::make_unique<CSimulation>();
    simulation->InitialUpdate();
    SettingTarget target{*simulation};
    for (const SettingChange& change : window.settings)
        applySetting(target, *change.row, change.value);
    const double dtS = CSimulation::StepSeconds(simulation->m_nSimStepMs);
    const std::string tooLong = runLengthProblem(exercise.runS, dtS);
    if (!tooLong.empty())
        return tooLong;
    const std::uint64_t steps = stepsToRun(exercise.runS, dtS);

    std::vector<const ExerciseCheck*> checks;
    for (const ExerciseCheck& check : exercise.checks) {
        if (check.AppliesTo(windowNumber))
            checks.push_back(&check);
    }
    std::vector<CResponseSegmentMeter> meters = checkMeters(checks, exercise, dtS, steps);
    std::vector<ScheduledEvent> events = window.events;
    events.insert(events.end(), exercise.events.begin(), exercise.events.end());
    CEventSchedule schedule(events, dtS);
    for (std::uint64_t step = 1; step <= steps; ++step) {
        const auto applyDue = [&] {
            for (const SettingChange& change : schedule.TakeDue(step))
                applySetting(target, *change.row, change.value);
        };
        stepMeasured(*simulation, step, applyDue, meters);
        // The figures would grade a response that never happened.
        if (simulation->PlantStatus() != 0)
            return plantFailure(step, simulation->PlantStatus());
    }

    grades.clear();
    auto meter = meters.begin();
    for (const ExerciseCheck* check : checks) {
        const double value = check->hasAtS ? figureNamed((meter++)->Figures(), check->FigureName())
                                           : check->Value(simulation->m_stepResponse.Figures());
        grades.push_back(
            {static_cast<std::size_t>(check - exercise.checks.data()), value, check->Passes(value)});
    }
    return "";
}
