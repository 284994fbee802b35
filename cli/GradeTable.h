#pragma once

#include "StudentGrade.h"

#include <string>
#include <vector>

// What `grade` prints of a class: a tab-separated line per check, error and changed field, and the
// sheet, one CSV row per student, that a spreadsheet opens.

/// One graded check as `check` and `grade` print it: window, figure, value (full precision), min, max and
/// result, tab-separated, ended by a line feed.
std::string checkResultColumns(const GradedCheck& check);

/// The TSV's header line.
std::string gradeHeaderLine();

/// `grade`'s lines for one student: each check with full precision, or the error, then each field
/// changed from the teacher's file.
std::string gradeLines(const StudentGrade& grade);

/// The sheet of the whole class, header first: file, student_id, student_name, checks_passed, checks,
/// result, reason, then a column `<figure>@<window>` per check holding the value to 6 significant
/// digits. A student id given by more than one file is flagged in the reason of each.
std::string gradeSheet(const std::vector<StudentGrade>& grades);
