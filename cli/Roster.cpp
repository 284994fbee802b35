#include "Roster.h"

#include "CsvFields.h"

#include <algorithm>
#include <set>

namespace {

constexpr std::size_t kMaxStudentText = 200;

/// The index of `name` among the header's fields, or the header's size.
std::size_t columnOf(const std::vector<std::string>& header, const char* name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
}

/// ASCII only, whatever the locale: the id names a file on any system.
bool isIdCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

/// Empty when row `line` (from 1, the header first) of the roster gives a student that can have a file.
std::string studentProblem(const RosterStudent& student, std::size_t line, std::set<std::string>& seen) {
    const std::string where = "row " + std::to_string(line) + ": ";
    if (!isFileSafeStudentId(student.id))
        return where + "the id '" + student.id.substr(0, 80) +
               "' is not 1 to 200 letters, digits, '.', '_' or '-'";
    if (!seen.insert(student.id).second)
        return where + "the id '" + student.id + "' is repeated";
    if (student.name.size() > kMaxStudentText)
        return where + "the name is longer than 200 characters";
    return "";
}

} // namespace

bool isFileSafeStudentId(const std::string& id) {
    return !id.empty() && id.size() <= kMaxStudentText && std::all_of(id.begin(), id.end(), isIdCharacter);
}

bool readRoster(const std::string& csv, std::vector<RosterStudent>& students, std::string& problem) {
    std::vector<std::vector<std::string>> rows;
    if (!parseCsv(csv, rows, problem))
        return false;
    if (rows.empty()) {
        problem = "no header line";
        return false;
    }
    const std::size_t idColumn = columnOf(rows[0], "id");
    const std::size_t nameColumn = columnOf(rows[0], "name");
    if (idColumn == rows[0].size() || nameColumn == rows[0].size()) {
        problem = "the header names no 'id' or no 'name' column";
        return false;
    }
    students.clear();
    std::set<std::string> seen;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].size() == 1 && rows[i][0].empty())
            continue; // a blank line, as spreadsheets leave at the end
        if (rows[i].size() <= std::max(idColumn, nameColumn)) {
            problem = "row " + std::to_string(i + 1) + ": fewer fields than the header";
            return false;
        }
        RosterStudent student{rows[i][idColumn], rows[i][nameColumn]};
        problem = studentProblem(student, i + 1, seen);
        if (!problem.empty())
            return false;
        students.push_back(std::move(student));
    }
    return true;
}
