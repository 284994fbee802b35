#include "CliRunner.h"
#include "UsageErrorTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include <csignal>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const kHeader = "step,setPoint,point,power,proportional,integral,derivative,error";

// "N steps in S s (R steps/s)" and a line feed. (std::regex is avoided: GCC 12 warns inside it.)
bool isTimingLine(const std::string& text, std::size_t steps) {
    const std::string head = std::to_string(steps) + " steps in ";
    const std::string tail = " steps/s)\n";
    const std::size_t middle = text.find(" s (");
    return text.rfind(head, 0) == 0 && middle != std::string::npos && middle > head.size() &&
           text.size() > middle + 4 + tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

struct SimCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> expectedRows; // rows 1, 2, ... as printed; the run has exactly these
};

void PrintTo(const SimCase& c, std::ostream* os) {
    *os << c.name;
}

class SimCommandTest : public ::testing::TestWithParam<SimCase> {};

TEST_P(SimCommandTest, WritesTheHeaderAndOneRowPerStep) {
    const SimCase& c = GetParam();
    std::vector<std::string> args{"sim", "--steps", std::to_string(c.expectedRows.size())};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = runCli(args);
    ASSERT_EQ(run.status, 0) << run.err;

    std::vector<std::string> expected{kHeader};
    expected.insert(expected.end(), c.expectedRows.begin(), c.expectedRows.end());
    EXPECT_EQ(linesOf(run.out), expected);
    EXPECT_TRUE(isTimingLine(run.err, c.expectedRows.size())) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Contract, SimCommandTest,
    ::testing::Values(SimCase{"fresh window", {}, {"1,0,20,0,0,0,0,-20", "2,0,20,0,0,0,0,-20"}},
                      SimCase{"no steps", {}, {}},
                      SimCase{"worked PID example",
                              {"--mode", "pid", "--kp", "1", "--setpoint", "100"},
                              {"1,100,418,80,80,0,-0,80"}},
                      SimCase{"manual power", {"--power", "50"}, {"1,0,268,50,0,0,0,-20"}},
                      SimCase{"on/off",
                              {"--mode", "onoff", "--setpoint", "100", "--formula", "p+1"},
                              {"1,100,21,100,0,0,0,80", "2,100,22,100,0,0,0,79"}},
                      SimCase{"numbers round-trip",
                              {"--formula", "p", "--setpoint", "0.1"},
                              {"1,0.10000000000000001,20,0,0,0,0,-19.899999999999999"}},
                      SimCase{"not a number and infinities",
                              {"--formula", "p", "--setpoint", "nan", "--at", "2:setpoint=inf", "--at",
                               "3:setpoint=-inf"},
                              {"1,nan,20,0,0,0,0,nan", "2,inf,20,0,0,0,0,inf", "3,-inf,20,0,0,0,0,-inf"}},
                      SimCase{"failing formula keeps the point",
                              {"--formula", "p/0", "--power", "100"},
                              {"1,0,20,100,0,0,0,-20"}}));

INSTANTIATE_TEST_SUITE_P(
    Events, SimCommandTest,
    ::testing::Values(
        SimCase{"set point and mode before step 2",
                {"--formula", "p", "--at", "2:setpoint=50", "--at", "2:mode=onoff"},
                {"1,0,20,0,0,0,0,-20", "2,50,20,100,0,0,0,30", "3,50,20,100,0,0,0,30"}},
        SimCase{"events of one step apply in order",
                {"--formula", "p", "--mode", "pid", "--setpoint", "30", "--at", "2:kp=1", "--at", "2:kp=2"},
                {"1,30,20,0,0,0,-0,10", "2,30,20,20,20,0,-0,10"}},
        SimCase{"reset clears the integral",
                {"--formula", "p", "--mode", "pid", "--setpoint", "30", "--ki", "1", "--at", "3:reset"},
                {"1,30,20,0,0,0,-0,10", "2,30,20,1,0,1,-0,10", "3,30,20,1,0,1,-0,10"}},
        SimCase{"a new ki clears the integral",
                {"--formula", "p", "--mode", "pid", "--setpoint", "30", "--ki", "1", "--at", "3:ki=2"},
                {"1,30,20,0,0,0,-0,10", "2,30,20,1,0,1,-0,10", "3,30,20,0.5,0,0.5,-0,10"}},
        SimCase{"zero simulated step",
                {"--formula", "p", "--mode", "pid", "--kd", "1", "--at", "1:setpoint=30", "--at",
                 "2:setpoint=40", "--at", "2:sim-step-ms=0"},
                {"1,30,20,0,0,0,-0,10", "2,40,20,0,0,0,-0,20"}},
        SimCase{"formula and power",
                {"--at", "2:formula=3500", "--at", "2:power=12.5", "--at", "3:mode=manual"},
                {"1,0,20,0,0,0,0,-20", "2,0,3000,12.5,0,0,0,-20", "3,0,3000,12.5,0,0,0,-3000"}},
        SimCase{"the value is everything after the first =",
                {"--at", "1:formula=max(p:2*p)", "--at", "2:formula=a=p+1"},
                {"1,0,40,0,0,0,0,-20", "2,0,41,0,0,0,0,-40"}},
        SimCase{"events up to the last step", {"--at", "1:setpoint=1"}, {"1,1,20,0,0,0,0,-19"}}));

// Each plant-dynamics and controller option on a plant that shows what it does: "t+100" shows the t that
// reached the formula, "p" and "p+10" keep the point where the controller terms are easy to follow.
INSTANTIATE_TEST_SUITE_P(
    Options, SimCommandTest,
    ::testing::Values(
        SimCase{"disturbance adds to the power, which the sample keeps",
                {"--formula", "t+100", "--power", "5", "--disturbance", "10"},
                {"1,0,115,5,0,0,0,-20"}},
        SimCase{"dead time of two steps passes 0 before the run began",
                {"--formula", "t+100", "--power", "5", "--dead-time", "0.2"},
                {"1,0,100,5,0,0,0,-20", "2,0,100,5,0,0,0,-100", "3,0,105,5,0,0,0,-100"}},
        SimCase{
            "two lags of 0.1 s", // 100 + 10 (1 - e^-1)^2, then the next step of both lags
            {"--formula", "t+100", "--power", "10", "--lags", "2", "--lag-tau", "0.1"},
            {"1,0,103.99576400893729,10,0,0,0,-20", "2,0,106.9356828702589,10,0,0,0,-103.99576400893729"}},
        SimCase{"a disturbance step and a lag of 0 s as events",
                {"--formula", "t+100", "--power", "5", "--at", "2:disturbance=-5", "--at", "2:lags=1", "--at",
                 "2:lag-tau=0"},
                {"1,0,105,5,0,0,0,-20", "2,0,100,5,0,0,0,-105"}},
        SimCase{
            "set-point weight", // (0.5 * 100 - 20) * 1
            {"--mode", "pid", "--kp", "1", "--setpoint", "100", "--setpoint-weight", "0.5", "--formula", "p"},
            {"1,100,20,30,30,0,-0,80"}},
        SimCase{"derivative on the error kicks at a set-point step",
                {"--mode", "pid", "--kd", "1", "--formula", "p+10", "--setpoint", "100", "--at",
                 "2:setpoint=200"},
                {"1,100,30,0,0,0,-0,80", "2,200,40,100,0,0,900,170"}},
        SimCase{"derivative on the measurement does not",
                {"--mode", "pid", "--kd", "1", "--formula", "p+10", "--setpoint", "100", "--at",
                 "2:setpoint=200", "--derivative-on", "measurement"},
                {"1,100,30,0,0,0,-0,80", "2,200,40,0,0,0,-100,170"}},
        SimCase{"derivative filter with Tf = dt halves the step",
                {"--mode", "pid", "--kd", "1", "--formula", "p+10", "--setpoint", "100",
                 "--derivative-filter", "0.1"},
                {"1,100,30,0,0,0,0,80", "2,100,40,0,0,0,-50,70"}},
        SimCase{"conditional anti-windup holds the integral above the clamp",
                {"--mode", "pid", "--ki", "1", "--setpoint", "3000", "--formula", "p", "--anti-windup",
                 "conditional"},
                {"1,3000,20,0,0,0,-0,2980", "2,3000,20,0,0,0,-0,2980"}},
        SimCase{"back-calculation pulls the integral back by (u - uRaw) g", // 298 + (100 - 298) g + 298,
                                                                            // g = 1 - e^(-0.1 / 0.5)
                {"--mode", "pid", "--ki", "1", "--setpoint", "3000", "--formula", "p", "--anti-windup",
                 "backcalc", "--tracking-time", "0.5"},
                {"1,3000,20,0,0,0,-0,2980", "2,3000,20,100,0,298,-0,2980",
                 "3,3000,20,100,0,560.10868910944032,-0,2980"}}));

// σ = 2 from the seed 1 measures 20 + 2 g = 19.931465356416297 (python3); a quantization that only an
// event turns on adds the column from the header on.
TEST(SimCommand, MeasurementColumnWhenTheNoiseOrTheQuantizationIsOn) {
    const auto noisy = linesOf(runCli({"sim", "--steps", "1", "--formula", "p", "--noise", "2"}).out);
    ASSERT_EQ(noisy.size(), 2u);
    EXPECT_EQ(noisy[0], std::string(kHeader) + ",measurement");
    EXPECT_EQ(noisy[1], "1,0,20,0,0,0,0,-19.931465356416297,19.931465356416297");
    const auto quantized = linesOf(runCli({"sim", "--steps", "2", "--quantization", "0", "--at",
                                           "2:quantization=0.5", "--at", "2:setpoint=1"})
                                       .out);
    EXPECT_EQ(quantized, (std::vector<std::string>{std::string(kHeader) + ",measurement",
                                                   "1,0,20,0,0,0,0,-20,20", "2,1,20,0,0,0,0,-19,20"}));
}

// 5 %/s at 0.1 s is 0.5 a step, from the power held before the run: 0 in a new window, or --power.
TEST(SimCommand, TheRateLimitHoldsTheRunsFirstStepToo) {
    const auto onOff = linesOf(
        runCli({"sim", "--mode", "onoff", "--setpoint", "1200", "--rate-limit", "5", "--steps", "4"}).out);
    const auto pid = linesOf(runCli({"sim", "--mode", "pid", "--kp", "0.05", "--power", "30", "--setpoint",
                                     "1200", "--rate-limit", "5", "--steps", "3"})
                                 .out);
    const auto power = [](const std::string& row) {
        std::size_t at = 0;
        for (int comma = 0; comma < 3; ++comma)
            at = row.find(',', at) + 1;
        return row.substr(at, row.find(',', at) - at);
    };
    ASSERT_EQ(onOff.size(), 5u);
    ASSERT_EQ(pid.size(), 4u);
    EXPECT_EQ((std::vector<std::string>{power(onOff[1]), power(onOff[2]), power(onOff[3]), power(onOff[4])}),
              (std::vector<std::string>{"0.5", "1", "1.5", "2"}));
    EXPECT_EQ((std::vector<std::string>{power(pid[1]), power(pid[2]), power(pid[3])}),
              (std::vector<std::string>{"30.5", "31", "31.5"}));
}

TEST(SimCommand, DefaultRunHasOneHundredSteps) {
    const CliRun run = runCli({"sim"});
    EXPECT_EQ(run.status, 0);
    const auto lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines[100], "100,0,20,0,0,0,0,-20");
    EXPECT_EQ(run.err.rfind("100 steps in ", 0), 0u) << run.err;
}

TEST(SimCommand, WritesTheCsvToAFile) {
    const std::string path = "sim_command_test_" + std::to_string(::getpid()) + ".csv";
    const CliRun run = runCli({"sim", "--steps", "1", "--csv", path});
    std::ifstream file(path);
    std::stringstream content;
    content << file.rdbuf();
    std::remove(path.c_str());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(content.str(), std::string(kHeader) + "\n1,0,20,0,0,0,0,-20\n");
}

/// A folder of its own for a test's output files, removed with them.
class ScratchFolder {
public:
    ScratchFolder() : m_path("sim_command_test_" + std::to_string(::getpid())) {
        std::filesystem::create_directory(m_path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }
    std::vector<std::string> names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string m_path;
};

std::string contentOf(const std::string& path) {
    std::ifstream file(path);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// Refused before anything is written: each would overwrite the other.
TEST(SimCommand, RefusesTwoOutputsThatAreOneFile) {
    ScratchFolder folder;
    const std::string kept = folder / "kept.csv";
    const std::string link = folder / "link.csv";
    std::ofstream(kept) << "old\n";
    ASSERT_EQ(::link(kept.c_str(), link.c_str()), 0);
    const std::string missing = folder / "missing.csv";
    for (const auto& [csv, metrics] : std::vector<std::pair<std::string, std::string>>{
             {kept, kept}, {kept, link}, {missing, folder / "../" + missing}}) {
        const CliRun run = runCli({"sim", "--csv", csv, "--metrics", metrics});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("vorlint-cli sim: --metrics '" + metrics + "' is the same file as --csv '" +
                                    csv + "'\n",
                                0),
                  0u)
            << run.err;
    }
    EXPECT_EQ(contentOf(kept), "old\n");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"kept.csv", "link.csv"}));
}

// A write that fails part way (at a file-size limit, as on a full disk) leaves the file as it was.
TEST(SimCommand, AFailedWriteLeavesNoHalfFile) {
    ScratchFolder folder;
    std::ofstream(folder / "kept.csv") << "old\n";
    for (const std::string& csv : {folder / "kept.csv", folder / "new.csv"}) {
        const CliRun run =
            runCommand({"sh", "-c", "trap '' XFSZ; ulimit -f 8; exec \"$0\" sim --steps 100000 --csv \"$1\"",
                        VORLINT_CLI_PATH, csv});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "vorlint-cli sim: cannot write the CSV to '" + csv + "'\n");
    }
    EXPECT_EQ(contentOf(folder / "kept.csv"), "old\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"kept.csv"});
}

// Ctrl+C or SIGTERM in the middle of a run leaves no temporary file; the figures that cannot be written
// keep the CSV from being replaced.
TEST(SimCommand, OutputsAreReplacedTogetherAndAStoppedRunLeavesNoTemporary) {
    ScratchFolder folder;
    std::ofstream(folder / "kept.csv") << "old\n";
    const CliRun full =
        runCli({"sim", "--steps", "10", "--csv", folder / "kept.csv", "--metrics", "/dev/full"});
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "vorlint-cli sim: cannot write the figures to '/dev/full'\n");
    EXPECT_EQ(contentOf(folder / "kept.csv"), "old\n");

    for (const int signal : {SIGINT, SIGTERM}) {
        const std::string csv = folder / "run.csv";
        const char* const argv[] = {VORLINT_CLI_PATH, "sim",       "--steps", "100000000",
                                    "--csv",          csv.c_str(), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(
            ::posix_spawn(&pid, VORLINT_CLI_PATH, nullptr, nullptr, const_cast<char* const*>(argv), environ),
            0);
        for (int wait = 0; wait < 600 && folder.names().size() < 2; ++wait)
            ::usleep(50000);
        EXPECT_EQ(folder.names().size(), 2u) << "the temporary file beside kept.csv";
        ::kill(pid, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(folder.names(), std::vector<std::string>{"kept.csv"});
    }
}

// (A single argument holds at most 128 KiB.)
TEST(SimCommand, AnErrorQuotesAtMostEightyCharactersOfAValue) {
    const std::string digits(100000, '7');
    const CliRun number = runCli({"sim", "--kp", digits});
    EXPECT_EQ(number.status, 2);
    EXPECT_EQ(number.err, "vorlint-cli sim: kp needs a finite number, not '" + digits.substr(0, 80) +
                              "...' (100000 characters)\nTry 'vorlint-cli sim --help'.\n");
    // A cut never splits a character: 79 ASCII letters and then "é", two bytes.
    const CliRun option = runCli({"sim", "--" + std::string(77, 'x') + "\xc3\xa9z"});
    EXPECT_NE(option.err.find("'--" + std::string(77, 'x') + "...' (82 characters)"), std::string::npos)
        << option.err;
}

TEST(SimCommand, StopsAtTheFirstFailedWrite) {
    const CliRun run = runCli({"sim", "--steps", "100000000", "--csv", "/dev/full"}, std::string(), 60);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vorlint-cli sim: cannot write the CSV to '/dev/full'\n");
}

INSTANTIATE_TEST_SUITE_P(
    Sim, UsageErrorTest,
    ::testing::Values(
        UsageCase{{"sim", "--steps", "-1"}, "--steps needs a whole number"},
        UsageCase{{"sim", "--steps", "1e3"}, "--steps needs a whole number"},
        UsageCase{{"sim", "--steps"}, "--steps needs a value"},
        UsageCase{{"sim", "--mode", "auto"}, "mode must be manual, pid or onoff"},
        UsageCase{{"sim", "--kp", "1,5"}, "kp needs a finite number"},
        UsageCase{{"sim", "--sim-step-ms", "4294967296"}, "sim-step-ms needs a whole number"},
        UsageCase{{"sim", "--bogus", "1"}, "unknown option '--bogus'"},
        UsageCase{{"sim", "--reset", "1"}, "unknown option '--reset'"},
        UsageCase{{"sim", "extra"}, "unexpected argument 'extra'"},
        UsageCase{{"sim", "--at", "0:kp=1"}, "bad event '0:kp=1'"},
        UsageCase{{"sim", "--at", "kp=1"}, "bad event 'kp=1'"},
        UsageCase{{"sim", "--at", "1:kp"}, "bad event '1:kp'"},
        UsageCase{{"sim", "--at", "1:reset=1"}, "unknown setting 'reset'"},
        UsageCase{{"sim", "--at", "1:kp=x"}, "kp needs a finite number, not 'x'"},
        UsageCase{{"sim", "--csv", "no/such/dir/out.csv"}, "cannot open 'no/such/dir/out.csv'"},
        UsageCase{{"sim", "--csv", ""}, "--csv needs a file name or '-', not ''"},
        UsageCase{{"sim", "--csv", "/dev/null", "--metrics", ""},
                  "--metrics needs a file name or '-', not ''"},
        UsageCase{{"sim", "--at", "3:reset", "--steps", "2"},
                  "--at step 3 is after the last step (--steps 2)"},
        UsageCase{{"sim", "--metrics", "-"}, "--metrics - needs --csv FILE"},
        UsageCase{{"sim", "--response-from", "2"}, "--response-from and --response-to need --metrics"},
        UsageCase{{"sim", "--csv", "/dev/null", "--metrics", "-", "--response-to", "2"},
                  "--response-to needs --response-from"},
        UsageCase{{"sim", "--csv", "/dev/null", "--metrics", "-", "--response-from", "0"},
                  "--response-from needs a step from 1, not '0'"},
        UsageCase{{"sim", "--csv", "/dev/null", "--metrics", "-", "--response-from", "101"},
                  "--response-from step 101 is after the last step (--steps 100)"},
        UsageCase{
            {"sim", "--csv", "/dev/null", "--metrics", "-", "--response-from", "5", "--response-to", "4"},
            "--response-to 4 is not from --response-from 5 to the last step (--steps 100)"},
        UsageCase{{"sim", "--csv", "/dev/null", "--metrics", "no/such/dir/f.txt"},
                  "cannot open 'no/such/dir/f.txt'"},
        UsageCase{{"sim", "--dead-time", "-0.1"}, "dead-time needs a finite number of 0 or more"},
        UsageCase{{"sim", "--lag-tau", "inf"}, "lag-tau needs a finite number of 0 or more"},
        UsageCase{{"sim", "--derivative-filter", "nan"}, "derivative-filter needs a finite number"},
        UsageCase{{"sim", "--setpoint-weight", "-1"}, "setpoint-weight needs a finite number of 0"},
        UsageCase{{"sim", "--at", "5:tracking-time=0"}, "tracking-time needs a finite number above 0"},
        UsageCase{{"sim", "--lags", "6"}, "lags needs a whole number from 0 to 5, not '6'"},
        UsageCase{{"sim", "--derivative-on", "setpoint"}, "derivative-on must be measurement or error"},
        UsageCase{{"sim", "--anti-windup", "clamp"}, "anti-windup must be none, conditional or backcalc"},
        UsageCase{{"sim", "--noise", "1e308"}, "noise needs a number from 0 to 1000000, not '1e308'"},
        UsageCase{{"sim", "--quantization", "1e-320"},
                  "quantization needs 0 or a number from 1e-9 to 1000000, not '1e-320'"}));

} // namespace
