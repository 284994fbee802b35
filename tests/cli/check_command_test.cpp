#include "CliRunner.h"
#include "HostileVrl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include <unistd.h>

namespace {

/// A PID window with a disturbance event of its own and a manual window; the exercise steps the set
/// point at 1.06 s, which is before step round(10.6) + 1 = 12, and runs ceil(9.95 / 0.1) = 100 steps.
std::string exerciseFile(const std::string& overshootMax, const std::string& runS = R"("runS": 9.95,)") {
    return R"({"format": "vorlint", "version": 1,
        "windows": [{"pid": true, "kp": 0.5, "ki": 20, "setPoint": 1500,
                     "events": [{"atS": 2, "disturbance": 10}]},
                    {"setPoint": 1000}],
        "exercise": {)" +
           runS + R"( "events": [{"atS": 1.06, "setPoint": 2000}],
            "checks": [{"figure": "response_start_step", "min": 12, "max": 12},
                       {"figure": "overshoot_pct", "max": )" +
           overshootMax + R"(, "window": 1},
                       {"figure": "iae", "window": 2, "max": 17622}]}})";
}

class CheckCommandTest : public ::testing::Test {
protected:
    void TearDown() override { std::remove(path.c_str()); }

    CliRun check(const std::string& content) {
        std::ofstream(path) << content;
        return runCli({"check", path});
    }

    const std::string path = "check_command_test_" + std::to_string(::getpid()) + ".vrl";
};

TEST_F(CheckCommandTest, PrintsEachCheckOfEachWindowAndFailsWhenOneFails) {
    // The same run as the command line's own: its figures are the independent path to the PID window's
    // overshoot. The manual window stays at 20, so its IAE is 89 steps of 1980 * 0.1.
    const CliRun sim = runCli({"sim", "--steps", "100", "--mode", "pid", "--kp", "0.5", "--ki", "20",
                               "--setpoint", "1500", "--at", "21:disturbance=10", "--at", "12:setpoint=2000",
                               "--csv", "/dev/null", "--metrics", "-"});
    ASSERT_EQ(sim.status, 0) << sim.err;
    EXPECT_NE(sim.out.find("overshoot_pct\t28.146071656779558\n"), std::string::npos) << sim.out;

    const CliRun failing = check(exerciseFile("5"));
    EXPECT_EQ(failing.status, 1) << failing.err;
    EXPECT_EQ(failing.out, "1\tresponse_start_step\t12\t12\t12\tpass\n"
                           "1\tovershoot_pct\t28.146071656779558\t\t5\tfail\n"
                           "2\tresponse_start_step\t12\t12\t12\tpass\n"
                           "2\tiae\t17622\t\t17622\tpass\n");
    const CliRun passing = check(exerciseFile("28.146071656779558"));
    EXPECT_EQ(passing.status, 0) << passing.err;
    EXPECT_NE(passing.out.find("\t28.146071656779558\t\t28.146071656779558\tpass\n"), std::string::npos);
    const CliRun headed = runCli({"check", "--header", path});
    EXPECT_EQ(headed.out.substr(0, headed.out.find('\n', 50) + 1),
              "file\twindow\tfigure\tvalue\tmin\tmax\tresult\n" + path +
                  "\t1\tresponse_start_step\t12\t12\t12\tpass\n");
}

TEST_F(CheckCommandTest, AFileThatCannotBeGradedIsAUsageError) {
    const std::pair<std::string, std::string> rows[] = {
        {exerciseFile("5", ""), ": exercise.runS: missing\n"},
        {R"({"format": "vorlint", "version": 1})", ": no exercise\n"},
        {R"({"format": "vorlint", "version": 1, "exercise": {"runS": 1, "checks": [{"figure": "iae", "window": 2}]}})",
         ": exercise.checks[0].window: names window 2 of 1\n"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"simStepMs": 0}], "exercise": {"runS": 1}})",
         ": window 1: a step of 0 ms never reaches runS\n"},
        {R"({"format": "vorlint", "version": 1, "windows": [{}], "exercise": {"runS": 1e12}})",
         ": window 1: runS takes 10000000000000 steps of 100 ms; a graded run takes at most 10000000\n"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"simStepMs": 1}], "exercise": {"runS": 1e300}})",
         ": window 1: runS takes 1e+303 steps of 1 ms; a graded run takes at most 10000000\n"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"lagCount": 6}], "exercise": {"runS": 1}})",
         ": windows[0].lagCount: expected a whole number from 0 to 5\n"},
    };
    for (const auto& [content, message] : rows) {
        const CliRun run = check(content);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.err, "vorlint-cli check: " + path + message);
        EXPECT_EQ(run.out, "");
    }
    // A plant that fails grades no response: the step and the engine's reason.
    for (const char* formula : {"p/0", "((", "sqrt(-1)"}) {
        const CliRun run =
            check(std::string(R"({"format": "vorlint", "version": 1, "windows": [{"formula": ")") + formula +
                  R"("}], "exercise": {"runS": 1, "checks": [{"figure": "iae"}]}})");
        EXPECT_EQ(run.status, 2) << formula;
        EXPECT_EQ(run.err.rfind(
                      "vorlint-cli check: " + path + ": window 1: the plant formula fails at step 1: ", 0),
                  0u)
            << run.err;
    }
    EXPECT_EQ(runCli({"check"}).status, 2);
    const CliRun missing = runCli({"check", "missing.vrl"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err.rfind("vorlint-cli check: missing.vrl: ", 0), 0u) << "then the system's reason";
    EXPECT_EQ(runCli({"check", "."}).err, "vorlint-cli check: .: not a regular file\n");
}

// The static plant 50 + t of the load-disturbance figures by hand (sim_metrics_test): the exercise's
// disturbance at 0.2 s is before step 3 and its response ends at step 8, before the exercise's
// set-point step at 0.8 s; the window's own events in between do not end it.
TEST_F(CheckCommandTest, ACheckAtAnEventsTimeHoldsThatEventsResponse) {
    const CliRun run = check(R"({"format": "vorlint", "version": 1,
        "windows": [{"formula": "50 + t", "setPoint": 50, "simStepMs": 100,
                     "events": [{"atS": 0.4, "disturbance": -10}, {"atS": 0.5, "disturbance": 0.3},
                                {"atS": 0.6, "disturbance": 0.1}]}],
        "exercise": {"runS": 1, "events": [{"atS": 0.2, "disturbance": 10}, {"atS": 0.8, "setPoint": 60}],
            "checks": [{"figure": "peak_deviation", "atS": 0.2, "min": -10, "max": -10},
                       {"figure": "recovery_time_s", "atS": 0.2, "max": 0.4},
                       {"figure": "itae", "atS": 0.2},
                       {"figure": "overshoot_pct", "atS": 0.2},
                       {"figure": "initial_point", "atS": 0.8},
                       {"figure": "response_start_step"}]}})");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "1\tpeak_deviation\t-10\t-10\t-10\tpass\n"
                       "1\trecovery_time_s\t0.5\t\t0.40000000000000002\tfail\n"
                       "1\titae\t0.92100000000000004\t\t\tpass\n"
                       "1\tovershoot_pct\tnan\t\t\tfail\n"
                       "1\tinitial_point\t50.100000000000001\t\t\tpass\n"
                       "1\tresponse_start_step\t9\t\t\tpass\n");
}

TEST(HostileVrlTest, CheckGivesEachFileTheVerdictTheApplicationGives) {
    for (const HostileVrl& file : hostileVrlFiles()) {
        const CliRun run = runCli({"check", file.path});
        if (file.problem == "ok") {
            EXPECT_NE(run.status, 2) << file.path << ": " << run.err;
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_EQ(run.status, 2) << file.path;
            EXPECT_EQ(run.err, "vorlint-cli check: " + file.path + ": " + file.problem + "\n");
        }
    }
}

} // namespace
