#pragma once

#include <string>
#include <vector>

// A class list as a teacher exports it from a spreadsheet: a CSV whose header names an `id` and a
// `name` column, in any order among others.

struct RosterStudent {
    std::string id;
    std::string name;
};

/// The students of `csv`; false with what is wrong in `problem`: no `id` or `name` column, a row
/// shorter than the header, an id that is empty, repeated, longer than 200 characters or not made of
/// letters, digits, '.', '_' and '-' (it names the student's file), a name longer than 200 characters.
bool readRoster(const std::string& csv, std::vector<RosterStudent>& students, std::string& problem);

/// Whether `id` can name a student's file: letters, digits, '.', '_' and '-', not empty, at most 200.
bool isFileSafeStudentId(const std::string& id);
