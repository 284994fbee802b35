#pragma once

#include "ScheduledEvent.h"
#include "StepResponseFigures.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

/// A limit on one step-response figure of a window's latest response.
struct ExerciseCheck {
    std::size_t figure = 0; ///< index into kStepResponseFigureFields
    double min = -std::numeric_limits<double>::infinity();
    double max = std::numeric_limits<double>::infinity();
    std::size_t window = 0; ///< from 1 as the file lists the windows; 0: every window

    /// Whether the check holds the response of window `window` (from 1) of its file.
    bool AppliesTo(std::size_t window) const { return this->window == 0 || this->window == window; }
    /// The figure it limits, taken from `figures`.
    double Value(const StepResponseFigures& figures) const {
        return figures.*kStepResponseFigureFields[figure].value;
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
