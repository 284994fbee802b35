#pragma once

#include "CommandLine.h"

#include <string>
#include <vector>

/// What `vorlint-cli grade` was asked to do.
struct GradeOptions {
    std::string master;
    std::vector<std::string> students;
    std::string sheet; ///< empty: no sheet
    unsigned jobs = 1;
    bool header = true;
    bool help = false;
};

/// Reads the arguments after "grade": the teacher's file, then one or more students' files, the options
/// anywhere among them; false with the reason in `error` on a usage error.
bool parseGradeOptions(const Arguments& args, GradeOptions& options, std::string& error);
