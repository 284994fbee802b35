#include "GradedRun.h"

#include "EventSchedule.h"
#include "ResponseSegment.h"
#include "Simulation.h"

#include <algorithm>
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

} // namespace

bool gradeWindow(const VrlWindowSetup& window, std::size_t windowNumber, const Exercise& exercise,
                 std::vector<CheckGrade>& grades) {
    auto simulation = std::make_unique<CSimulation>();
    simulation->InitialUpdate();
    SettingTarget target{*simulation};
    for (const SettingChange& change : window.settings)
        applySetting(target, *change.row, change.value);
    const double dtS = CSimulation::StepSeconds(simulation->m_nSimStepMs);
    const std::uint64_t steps = stepsToRun(exercise.runS, dtS);
    if (steps == kNeverStep)
        return false;

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
    }

    grades.clear();
    auto meter = meters.begin();
    for (const ExerciseCheck* check : checks) {
        const double value = check->hasAtS ? figureNamed((meter++)->Figures(), check->FigureName())
                                           : check->Value(simulation->m_stepResponse.Figures());
        grades.push_back(
            {static_cast<std::size_t>(check - exercise.checks.data()), value, check->Passes(value)});
    }
    return true;
}
