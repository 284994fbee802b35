#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

/// One check held to one window's graded response.
struct GradedCheck {
    std::size_t window = 0; ///< from 1, in the file's order
    std::string figure;     ///< the figure's public name ("overshoot_pct")
    double value = 0.0;     ///< NaN when the figure is not defined
    double min = -INFINITY;
    double max = INFINITY;
    bool passes = false;

    bool HasMin() const { return min != -INFINITY; }
    bool HasMax() const { return max != INFINITY; }
};

/// A setting or exercise field of a student's file that differs from the teacher's: shown, never graded.
struct ChangedField {
    std::size_t window = 0; ///< from 1; 0 for the exercise's and the file's own fields
    std::string key;        ///< the `.vrl` key of a window setting, or "exercise." and the field's key
    std::string value;      ///< the student's value as the command line writes it
};

/// What grading one student's file gives: an error that kept it from being graded, or every check.
struct StudentGrade {
    std::string file;
    std::string studentId;
    std::string studentName;
    std::string error; ///< empty when graded
    std::vector<GradedCheck> checks;
    std::vector<ChangedField> changes;

    bool Graded() const { return error.empty(); }
    std::size_t Passed() const {
        std::size_t passed = 0;
        for (const GradedCheck& check : checks)
            passed += check.passes ? 1 : 0;
        return passed;
    }
};
