#pragma once

#include "Exercise.h"
#include "VrlDocument.h"

#include <cstddef>
#include <string>
#include <vector>

/// One check's value in one window's graded run.
struct CheckGrade {
    std::size_t check = 0; ///< index into the exercise's checks
    double value = 0.0;    ///< NaN when the figure is not defined
    bool passes = false;
};

/// Runs window `windowNumber` (from 1) of a file as its exercise grades it: from rest (point 20) with
/// the window's settings, its own events and then the exercise's, for ceil(runS / dt) steps; and grades
/// each check that applies to the window, in the exercise's order. A check without atS holds the
/// window's latest step response; one with atS the response to the exercise's events at that time,
/// from the step they apply to the step before the exercise's next event or the run's end. Returns why
/// the window cannot be graded (a step of 0 ms, a run of more than 10,000,000 steps, a plant formula
/// that fails at a step), empty when it was.
std::string gradeWindow(const VrlWindowSetup& window, std::size_t windowNumber, const Exercise& exercise,
                        std::vector<CheckGrade>& grades);
