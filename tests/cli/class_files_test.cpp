// The files a teacher exchanges with a spreadsheet: the roster read, the sheet written.
#include "CsvFields.h"
#include "GradeTable.h"
#include "Roster.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ClassFilesTest, CsvFieldsAreQuotedAndReadBackAsTheRfcHasThem) {
    EXPECT_EQ(csvRow({"plain", "a,b", "say \"hi\"", "two\nlines"}),
              "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\"\r\n");
    std::vector<std::vector<std::string>> rows;
    std::string problem;
    ASSERT_TRUE(parseCsv("id,name\r\n7,\"Silva, \"\"Zé\"\"\nda\"\n8,\n", rows, problem)) << problem;
    const std::vector<std::vector<std::string>> expected = {
        {"id", "name"}, {"7", "Silva, \"Zé\"\nda"}, {"8", ""}};
    EXPECT_EQ(rows, expected);
    EXPECT_FALSE(parseCsv("id,name\n1,\"open", rows, problem));
    EXPECT_FALSE(parseCsv("id,name\n1,\"closed\"x\n", rows, problem));
}

TEST(ClassFilesTest, ARosterNeedsItsColumnsAndAnIdThatCanNameAFile) {
    std::vector<RosterStudent> students;
    std::string problem;
    ASSERT_TRUE(readRoster("email,name,id\nx@y,Ana,a-1.b_2\n,Bia,b\n\n", students, problem)) << problem;
    ASSERT_EQ(students.size(), 2u);
    EXPECT_EQ(students[0].id, "a-1.b_2");
    EXPECT_EQ(students[1].name, "Bia");
    for (const char* roster : {"name\nAna\n", "id,name\n,Ana\n", "id,name\na,Ana\na,Bia\n",
                               "id,name\n../x,Ana\n", "id,name\nJoão,Ana\n", "id,name\nx\n"}) {
        EXPECT_FALSE(readRoster(roster, students, problem)) << roster;
    }
    EXPECT_EQ(problem, "row 2: fewer fields than the header");
}

StudentGrade graded(const std::string& file, const std::string& id, double overshoot) {
    StudentGrade grade{file, id, "Ana\tSilva", "", {}, {}};
    grade.checks.push_back({1, "overshoot_pct", overshoot, -INFINITY, 20.0, overshoot <= 20.0});
    grade.checks.push_back({1, "overshoot_pct", overshoot, 5.0, INFINITY, overshoot >= 5.0});
    grade.checks.push_back({2, "settling_time_s", 61.700000000000607, -INFINITY, 70.0, true});
    return grade;
}

TEST(ClassFilesTest, TheLinesKeepEveryDigitAndTheSheetRoundsToSixAndFlagsARepeatedId) {
    StudentGrade first = graded("a.vrl", "7", 19.5);
    first.changes.push_back({2, "deadTimeS", "0"});
    first.changes.push_back({0, "exercise.checks", "[]"});
    EXPECT_EQ(gradeLines(first), "a.vrl\t7\tAna Silva\t1\tovershoot_pct\t19.5\t\t20\tpass\n"
                                 "a.vrl\t7\tAna Silva\t1\tovershoot_pct\t19.5\t5\t\tpass\n"
                                 "a.vrl\t7\tAna Silva\t2\tsettling_time_s\t61.700000000000607\t\t70\tpass\n"
                                 "a.vrl\t7\tAna Silva\t2\tdeadTimeS\t0\t\t\tchanged\n"
                                 "a.vrl\t7\tAna Silva\t-\texercise.checks\t[]\t\t\tchanged\n");
    const StudentGrade broken{"b.vrl", "", "", "not JSON", {}, {}};
    EXPECT_EQ(gradeLines(broken), "b.vrl\t\t\t\t\tnot JSON\t\t\terror\n");

    const std::string sheet = gradeSheet({first, broken, graded("c.vrl", "7", 25.0)});
    EXPECT_EQ(sheet, "file,student_id,student_name,checks_passed,checks,result,reason,overshoot_pct@1,"
                     "overshoot_pct@1#2,settling_time_s@2\r\n"
                     "a.vrl,7,Ana\tSilva,3,3,pass,student id also in c.vrl,19.5,19.5,61.7\r\n"
                     "b.vrl,,,,,error,not JSON,,,\r\n"
                     "c.vrl,7,Ana\tSilva,2,3,fail,student id also in a.vrl,25,25,61.7\r\n");
}

} // namespace
