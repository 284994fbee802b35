#pragma once

#include "StudentGrade.h"
#include "VrlDocument.h"

#include <string>

// A class graded against the teacher's file: a student's file gives its answer (the rows the settings
// table marks as the student's) and nothing else, so that a limit, a plant or an event changed in it
// changes no grade. What it changed besides is listed, for the teacher to see.

/// Reads an exercise file (the teacher's, or one graded by itself): a `.vrl` whose exercise has a run
/// length. False with why in `problem`.
bool readExerciseFile(const std::string& path, VrlDocument& master, std::string& problem);

/// Grades every window of `document` as its exercise asks, in window order; false with the first
/// problem that keeps a window from being graded ("window 2: the plant formula fails at step 3: ...").
bool gradeExercise(const VrlDocument& document, std::vector<GradedCheck>& checks, std::string& problem);

/// Grades the student's file at `path` in `master`'s exercise, as `check` runs a file: the graded
/// document is `master` with the student's plant variant applied and each window's answer rows taken
/// from the same window of the student's file (an error when it has fewer windows).
StudentGrade gradeStudentFile(const VrlDocument& master, const std::string& path);

/// The text of the copy of `master` handed to one student: the student's plant variant applied, the
/// student named, the exercise locked. False with why in `problem` when it could not be read back.
bool handoutFileText(const VrlDocument& master, const std::string& id, const std::string& name,
                     std::string& text, std::string& problem);
