#pragma once

#include "DisturbanceFigures.h"
#include "ScheduledEvent.h"
#include "StepResponseFigures.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

/// How many figures a check may limit: the step-response figures, then the load-disturbance figures
/// a step response does not have.
inline constexpr std::size_t kCheckFigureCount = kStepResponseFigureFields.size() + kDisturbanceOnlyFigures;

/// The name of check figure `figure` (below kCheckFigureCount), as the file and the command line write it.
inline const char* checkFigureName(std::size_t figure) {
    return figure < kStepResponseFigureFields.size()
               ? kStepResponseFigureFields[figure].name
               : kDisturbanceFigureFields[figure - kStepResponseFigureFields.size()].name;
}

/// A limit on one figure of a window's response: without atS its latest step response, with atS the
/// response to the exercise's events at that time.
struct ExerciseCheck {
    std::size_t figure = 0; ///< below kCheckFigureCount, named by checkFigureName
    double min = -std::numeric_limits<double>::infinity();
    double max = std::numeric_limits<double>::infinity();
    std::size_t window = 0; ///< from 1 as the file lists the windows; 0: every window
    bool hasAtS = false;
    double atS = 0.0; ///< the time of one of the exercise's events, when hasAtS

    /// Whether the check holds the response of window `window` (from 1) of its file.
    bool AppliesTo(std::size_t window) const { return this->window == 0 || this->window == window; }
    const char* FigureName() const { return checkFigureName(figure); }
    /// The figure it limits, taken from `figures`; NaN for a figure a step response does not have.
    double Value(const StepResponseFigures& figures) const {
        return figure < kStepResponseFigureFields.size() ? figures.*kStepResponseFigureFields[figure].value
                                                         : StepResponseFigures::kUndefined;
    }
    /// An undefined figure (NaN) never passes.
    bool Passes(double value) const { return value >= min && value <= max; }
    bool HasMin() const { return min != -std::numeric_limits<double>::infinity(); }
    bool HasMax() const { return max != std::numeric_limits<double>::infinity(); }
};

/// A number setting each student's copy of an exercise takes its own value of, from `min` to `max` in
/// steps of `step` (0: any value).
struct ExerciseVariant {
    const SettingRow* row = nullptr; ///< a number row of the settings table
    double min = 0.0;
    double max = 0.0;
    double step = 0.0;
};

/// What a teacher hands out with a `.vrl`: the words, how long a graded run lasts, what happens in it
/// and the limits the responses are held to.
struct Exercise {
    std::string title;
    std::string instructions;
    bool hidePlant = false;
    double runS = 0.0;
    bool hasRunS = false;
    std::vector<ScheduledEvent> events;
    std::vector<ExerciseCheck> checks;
    /// Whether the program shows the exercise read-only (a copy handed out to one student).
    bool locked = false;
    bool hasVariantSeed = false;
    std::uint64_t variantSeed = 0;
    std::vector<ExerciseVariant> variants;
};
