#pragma once

#include "CommandLine.h"

/// `vorlint-cli grade MASTER.vrl STUDENT.vrl...`: grades each student's answer in the teacher's exercise.
int RunGradeCommand(const Arguments& args, const CliStreams& streams);
