#include "GradeTable.h"

#include "CsvFields.h"
#include "RoundTripNumber.h"

#include <algorithm>
#include <map>

namespace {

/// Significant digits of the sheet's values: enough to read, few enough to compare by eye.
constexpr int kSheetDigits = 6;

/// A text as one TSV field: the separators a name may hold become spaces.
std::string tsvField(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

std::string studentColumns(const StudentGrade& grade) {
    return tsvField(grade.file) + '\t' + tsvField(grade.studentId) + '\t' + tsvField(grade.studentName) +
           '\t';
}

std::string limitText(bool present, double limit) {
    std::string text;
    if (present)
        appendNumber(text, limit);
    return text;
}

std::string changedLine(const StudentGrade& grade, const ChangedField& change) {
    const std::string window = change.window == 0 ? "-" : std::to_string(change.window);
    return studentColumns(grade) + window + '\t' + change.key + '\t' + tsvField(change.value) +
           "\t\t\tchanged\n";
}

/// Each check's column name, `<figure>@<window>`, with "#2", "#3" ... where a window has the same figure
/// checked more than once.
std::vector<std::string> checkColumns(const StudentGrade& grade) {
    std::vector<std::string> columns;
    std::map<std::string, int> seen;
    for (const GradedCheck& check : grade.checks) {
        const std::string name = check.figure + '@' + std::to_string(check.window);
        const int count = ++seen[name];
        columns.push_back(count == 1 ? name : name + '#' + std::to_string(count));
    }
    return columns;
}

/// The columns of the first graded student: every graded student has the teacher's checks.
std::vector<std::string> sheetCheckColumns(const std::vector<StudentGrade>& grades) {
    for (const StudentGrade& grade : grades) {
        if (grade.Graded())
            return checkColumns(grade);
    }
    return {};
}

std::string resultWord(const StudentGrade& grade) {
    return !grade.Graded() ? "error" : grade.Passed() == grade.checks.size() ? "pass" : "fail";
}

/// The files that give each student id, to flag an id handed in twice.
std::map<std::string, std::vector<std::string>> filesByStudentId(const std::vector<StudentGrade>& grades) {
    std::map<std::string, std::vector<std::string>> files;
    for (const StudentGrade& grade : grades) {
        if (!grade.studentId.empty())
            files[grade.studentId].push_back(grade.file);
    }
    return files;
}

std::string reasonText(const StudentGrade& grade, const std::vector<std::string>& sameId) {
    std::string reason = grade.error;
    if (sameId.size() < 2)
        return reason;
    reason += reason.empty() ? "" : "; ";
    reason += "student id also in";
    for (const std::string& file : sameId) {
        if (file != grade.file)
            reason += ' ' + file;
    }
    return reason;
}

std::vector<std::string> sheetRow(const StudentGrade& grade, const std::vector<std::string>& columns,
                                  const std::vector<std::string>& sameId) {
    std::vector<std::string> row = {grade.file,
                                    grade.studentId,
                                    grade.studentName,
                                    grade.Graded() ? std::to_string(grade.Passed()) : "",
                                    grade.Graded() ? std::to_string(grade.checks.size()) : "",
                                    resultWord(grade),
                                    reasonText(grade, sameId)};
    row.resize(row.size() + columns.size());
    const std::vector<std::string> own = checkColumns(grade);
    for (std::size_t i = 0; i < own.size(); ++i) {
        const auto column = std::find(columns.begin(), columns.end(), own[i]);
        if (column != columns.end())
            appendNumber(row[7 + static_cast<std::size_t>(column - columns.begin())], grade.checks[i].value,
                         kSheetDigits);
    }
    return row;
}

} // namespace

std::string checkResultColumns(const GradedCheck& check) {
    std::string line = std::to_string(check.window) + '\t' + check.figure + '\t';
    appendNumber(line, check.value);
    line += '\t' + limitText(check.HasMin(), check.min) + '\t' + limitText(check.HasMax(), check.max);
    return line + (check.passes ? "\tpass\n" : "\tfail\n");
}

std::string gradeHeaderLine() {
    return "file\tstudent_id\tstudent_name\twindow\tfigure\tvalue\tmin\tmax\tresult\n";
}

std::string gradeLines(const StudentGrade& grade) {
    std::string lines;
    if (!grade.Graded())
        lines = studentColumns(grade) + "\t\t" + tsvField(grade.error) + "\t\t\terror\n";
    for (const GradedCheck& check : grade.checks)
        lines += studentColumns(grade) + checkResultColumns(check);
    for (const ChangedField& change : grade.changes)
        lines += changedLine(grade, change);
    return lines;
}

std::string gradeSheet(const std::vector<StudentGrade>& grades) {
    const std::vector<std::string> columns = sheetCheckColumns(grades);
    std::vector<std::string> header = {"file",   "student_id", "student_name", "checks_passed",
                                       "checks", "result",     "reason"};
    header.insert(header.end(), columns.begin(), columns.end());
    std::string sheet = csvRow(header);
    const auto sameIds = filesByStudentId(grades);
    static const std::vector<std::string> kNone;
    for (const StudentGrade& grade : grades) {
        const auto same = sameIds.find(grade.studentId);
        sheet += csvRow(sheetRow(grade, columns, same == sameIds.end() ? kNone : same->second));
    }
    return sheet;
}
