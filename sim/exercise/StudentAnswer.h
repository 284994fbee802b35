#pragma once

#include "SettingsTable.h"

#include <vector>

/// The student's answer rows (SettingRow::studentAnswer) with their values in `student`, in the
/// table's order: every answer row, so that applying them leaves nothing of another answer.
std::vector<SettingChange> studentAnswer(const SettingSource& student);

/// A window's settings for grading: `exercise`'s settings without its answer rows, then the answer of
/// a window whose file holds `student` (a row the file leaves out has its default).
std::vector<SettingChange> withStudentAnswer(const std::vector<SettingChange>& exercise,
                                             const std::vector<SettingChange>& student);
