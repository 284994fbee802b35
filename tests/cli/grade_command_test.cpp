// A class graded against the teacher's file: copies handed out, then graded whatever the students
// changed besides their answer.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace {

/// A short graded run (ceil(3 / 0.1) = 30 steps) whose dead time each student draws from 0.2 to 0.8 in
/// steps of 0.1. With seed 7, FNV-1a and one SplitMix64 draw (worked apart in python3) give student "a"
/// u = 0.99034880909, 0.79420928546 before the grid, so 0.8; student "b" u = 0.00928400124, so 0.2.
const char* const kMaster = R"({"format": "vorlint", "version": 1,
    "windows": [{"pid": true, "kp": 0.5, "ki": 20, "setPoint": 1500, "deadTimeS": 0.5}],
    "exercise": {"runS": 3, "variantSeed": 7,
        "variants": [{"key": "deadTimeS", "min": 0.2, "max": 0.8, "step": 0.1}],
        "checks": [{"figure": "overshoot_pct", "max": 20}, {"figure": "peak_time_s", "min": 0.5}]}})";

std::string readAll(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

/// Replaces the first `from` of `text` with `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class GradeCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/vorlint-grade-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        std::ofstream(folder + "/master.vrl") << kMaster;
        std::ofstream(folder + "/roster.csv") << "name,id\r\n\"Silva, Ana\",a\r\nBia,b\r\n";
    }
    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

    std::string path(const std::string& name) const { return folder + "/" + name; }
    CliRun handout() { return runCli({"handout", path("master.vrl"), path("roster.csv"), path("class")}); }

    std::string folder;
};

TEST_F(GradeCommandTest, HandoutWritesEachStudentsVariantOnceAndNeverOverAFile) {
    ASSERT_EQ(handout().status, 0);
    const std::string a = readAll(path("class/a.vrl"));
    EXPECT_NE(a.find(R"("deadTimeS":0.8)"), std::string::npos) << a;
    EXPECT_NE(a.find(R"("locked":true)"), std::string::npos) << a;
    EXPECT_NE(a.find(R"("student":{"id":"a","name":"Silva, Ana"})"), std::string::npos) << a;
    EXPECT_NE(readAll(path("class/b.vrl")).find(R"("deadTimeS":0.2)"), std::string::npos);

    std::remove(path("class/a.vrl").c_str());
    const CliRun again = handout();
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("class/b.vrl: exists already"), std::string::npos) << again.err;
    EXPECT_EQ(access(path("class/a.vrl").c_str(), F_OK), -1) << "nothing is written when one file exists";

    std::ofstream(path("roster.csv")) << "id,name\nc,Caio\nc,Clara\n";
    EXPECT_EQ(handout().status, 2);
    std::ofstream(path("roster.csv")) << "id,name\n../c,Caio\n";
    EXPECT_EQ(handout().status, 2);
}

TEST_F(GradeCommandTest, TheStudentsAnswerIsGradedInTheTeachersExerciseAndOtherChangesAreShown) {
    ASSERT_EQ(handout().status, 0);
    const std::string a = readAll(path("class/a.vrl"));
    const CliRun honest = runCli({"grade", path("master.vrl"), path("class/a.vrl")});
    ASSERT_EQ(honest.status, 1) << honest.err;
    // Wider limits and no dead time; the answer's own change, manual control, is the student's to make.
    std::string tampered = replaced(a, R"("max":20)", R"("max":2000)");
    tampered = replaced(tampered, R"("deadTimeS":0.8)", R"("deadTimeS":0)");
    std::ofstream(path("tampered.vrl")) << tampered;
    std::ofstream(path("answer.vrl")) << replaced(a, R"("pid":true)", R"("pid":false)");
    std::ofstream(path("broken.vrl")) << R"({"format": "vorlint")";
    std::ofstream(path("plain.vrl")) << R"({"format": "vorlint", "version": 1})";

    const CliRun run = runCli({"grade", path("plain.vrl"), path("tampered.vrl")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "vorlint-cli grade: " + path("plain.vrl") + ": no exercise\n");

    const CliRun graded = runCli({"grade", path("master.vrl"), path("tampered.vrl"), path("answer.vrl"),
                                  path("broken.vrl"), "--sheet", path("sheet.csv"), "--jobs", "2"});
    EXPECT_EQ(graded.status, 2) << graded.err;
    const std::vector<std::string> lines = linesOf(graded.out);
    const std::vector<std::string> honestLines = linesOf(honest.out);
    ASSERT_GE(lines.size(), 8u) << graded.out;
    EXPECT_EQ(lines[0], "file\tstudent_id\tstudent_name\twindow\tfigure\tvalue\tmin\tmax\tresult");
    // The tampered copy grades as the honest one; what it changed is listed after its checks.
    const std::string prefix = path("tampered.vrl") + "\ta\tSilva, Ana\t";
    EXPECT_EQ(lines[1], replaced(honestLines[1], path("class/a.vrl") + "\t", path("tampered.vrl") + "\t"));
    EXPECT_EQ(lines[3], prefix + "1\tdeadTimeS\t0\t\t\tchanged");
    EXPECT_EQ(lines[4].rfind(prefix + "-\texercise.checks\t[{\"figure\":\"overshoot_pct\",\"max\":2000}", 0),
              0u)
        << lines[4];
    EXPECT_EQ(lines[5].rfind(path("answer.vrl") + "\ta\tSilva, Ana\t1\tovershoot_pct\t", 0), 0u);
    EXPECT_NE(lines[5], replaced(honestLines[1], path("class/a.vrl"), path("answer.vrl")))
        << "the answer counts";
    EXPECT_EQ(lines.back().rfind(path("broken.vrl") + "\t\t\t\t\tnot JSON", 0), 0u) << lines.back();

    const std::vector<std::string> sheet = linesOf(readAll(path("sheet.csv")));
    ASSERT_EQ(sheet.size(), 4u);
    EXPECT_EQ(sheet[0], "file,student_id,student_name,checks_passed,checks,result,reason,overshoot_pct@1,"
                        "peak_time_s@1\r");
    EXPECT_NE(sheet[1].find(",\"Silva, Ana\",1,2,fail,student id also in " + path("answer.vrl")),
              std::string::npos)
        << sheet[1];
    EXPECT_EQ(sheet[3].rfind(path("broken.vrl") + ",,,,,error,", 0), 0u) << sheet[3];

    const std::string master = readAll(path("master.vrl"));
    std::ofstream(path("master.vrl")) << replaced(master, R"("windows": [{)", R"("windows": [{}, {)");
    const CliRun fewer = runCli({"grade", path("master.vrl"), path("class/b.vrl"), "--no-header"});
    EXPECT_EQ(fewer.status, 2);
    EXPECT_EQ(fewer.out,
              path("class/b.vrl") + "\tb\tBia\t\t\tthe file has 1 windows; the exercise has 2\t\t\terror\n");
}

} // namespace
