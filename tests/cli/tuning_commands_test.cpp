#include "CliRunner.h"
#include "UsageErrorTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ostream>
#include <thread>

#include <unistd.h>

namespace {

/// K e^(-θs) / (τs + 1) with K = 0.5, τ = 4 s, θ = 1 s, from the point 20, sampled every 10 ms.
const std::vector<std::string> kFopdt = {"--formula", "20+0.5*t", "--dead-time",   "1", "--lags", "1",
                                         "--lag-tau", "4",        "--sim-step-ms", "10"};

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<std::string> fieldsOf(const std::string& line, char separator) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == separator) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

double numberOf(const std::string& text) {
    double value = 0.0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(parsed.ec == std::errc() && parsed.ptr == text.data() + text.size()) << text;
    return value;
}

/// Checks the model lines, the blank line, the header and the rules' names; returns the rules' rows.
std::vector<std::vector<std::string>> checkTuneOutput(const std::string& out,
                                                      const std::vector<std::string>& modelNames,
                                                      const std::vector<std::string>& ruleNames,
                                                      std::vector<double>& model) {
    const std::vector<std::string> lines = linesOf(out);
    EXPECT_EQ(lines.size(), modelNames.size() + 2 + ruleNames.size()) << out;
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < modelNames.size()) {
            const auto fields = fieldsOf(lines[i], '\t');
            EXPECT_EQ(fields.front(), modelNames[i]);
            model.push_back(numberOf(fields.back()));
        } else if (i == modelNames.size()) {
            EXPECT_EQ(lines[i], "");
        } else if (i == modelNames.size() + 1) {
            EXPECT_EQ(lines[i], "rule,kp,ki,kd,overshoot_pct,settling_time_s,iae");
        } else {
            rows.push_back(fieldsOf(lines[i], ','));
            EXPECT_EQ(rows.back().size(), 7u) << lines[i];
            EXPECT_EQ(rows.back().front(), ruleNames[rows.size() - 1]);
        }
    }
    return rows;
}

TEST(TuneCommand, StepTestPrintsTheModelAndThePredictionsOfItsRules) {
    const CliRun run = runCli(concat({"tune", "--method", "step", "--setpoint", "40"}, kFopdt));
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<double> model;
    const auto rows =
        checkTuneOutput(run.out, {"K", "tau", "theta"},
                        {"Ziegler-Nichols open-loop PI", "Ziegler-Nichols open-loop PID", "Cohen-Coon PI",
                         "Cohen-Coon PID", "SIMC PI", "IMC PID", "AMIGO PI", "AMIGO PID", "Lambda PI"},
                        model);
    ASSERT_EQ(model.size(), 3u);
    EXPECT_NEAR(model[0], 0.5, 0.01);
    EXPECT_NEAR(model[1], 4.0, 0.1);
    EXPECT_NEAR(model[2], 1.0, 0.1);
    for (std::size_t i = 4; i < rows.size(); ++i) { // SIMC PI, IMC PID, AMIGO, Lambda
        EXPECT_LT(numberOf(rows[i][4]), 20.0) << rows[i][0];
    }
}

TEST(TuneCommand, RelayPrintsTheUltimateCycleAndItsSevenRules) {
    const CliRun run =
        runCli(concat({"tune", "--method", "relay", "--setpoint", "45", "--relay-amplitude", "20"}, kFopdt));
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<double> model;
    checkTuneOutput(run.out, {"Ku", "Tu"},
                    {"Ziegler-Nichols P", "Ziegler-Nichols PI", "Ziegler-Nichols PID",
                     "Ziegler-Nichols some overshoot", "Ziegler-Nichols no overshoot", "Tyreus-Luyben PI",
                     "Tyreus-Luyben PID"},
                    model);
    ASSERT_EQ(model.size(), 2u);
    EXPECT_NEAR(model[1], 3.66, 0.1) << "atan(ωτ) + ωθ = π";
}

TEST(TuneCommand, SaysSoWhenTheExperimentGivesNoResult) {
    const CliRun run = runCli({"tune", "--method", "relay", "--formula", "p"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("no result within 200000 steps: the relay did not make the point oscillate"),
              std::string::npos)
        << run.err;
}

TEST(SweepCommand, WritesOneRowPerCombinationWithKdFastestThenKi) {
    const CliRun run = runCli({"sweep", "--kp", "1:2:2", "--ki", "0:4:3", "--kd", "0:0.5:2", "--steps", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "kp,ki,kd,response_start_step,initial_point,setpoint,rise_time_s,overshoot_pct,peak,"
                        "peak_time_s,settling_time_s,steady_state_error,iae,ise,itae,time_saturated_s");
    std::vector<std::string> gains;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = fieldsOf(lines[i], ',');
        EXPECT_EQ(fields.size(), 16u);
        gains.push_back(fields[0] + "," + fields[1] + "," + fields[2]);
    }
    EXPECT_EQ(gains, (std::vector<std::string>{"1,0,0", "1,0,0.5", "1,2,0", "1,2,0.5", "1,4,0", "1,4,0.5",
                                               "2,0,0", "2,0,0.5", "2,2,0", "2,2,0.5", "2,4,0", "2,4,0.5"}));
}

// With random draws in the plant a row still depends on its gains alone: on any thread, and whichever
// combinations ran before it.
TEST(SweepCommand, RowsDependOnlyOnTheirGainsWhateverTheThreads) {
    const std::vector<std::string> sweep = {"sweep", "--formula", "p+((t/100)*5000-p*1.0)*dt+frand(-50:50)",
                                            "--steps", "50"};
    const CliRun one = runCli(concat(sweep, {"--kp", "0.1:0.3:3", "--ki", "0:2:3", "--jobs", "1"}));
    const CliRun three = runCli(concat(sweep, {"--kp", "0.1:0.3:3", "--ki", "0:2:3", "--jobs", "3"}));
    const CliRun many = runCli(concat(sweep, {"--kp", "0.1:0.3:3", "--ki", "0:2:3", "--jobs", "1024"}));
    const CliRun last = runCli(concat(sweep, {"--kp", "0.3", "--ki", "2"}));
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(three.out, one.out);
    EXPECT_EQ(many.out, one.out);
    const unsigned most = 4 * std::max(1u, std::thread::hardware_concurrency());
    if (most < 1024) {
        EXPECT_EQ(many.err.rfind("vorlint-cli sweep: running " + std::to_string(most) +
                                     " threads, not 1024: at most 4 per hardware thread\n",
                                 0),
                  0u)
            << many.err;
    }
    ASSERT_EQ(linesOf(last.out).size(), 2u);
    EXPECT_EQ(linesOf(last.out)[1], linesOf(one.out).back());
}

TEST(SweepCommand, ShardsRunByGnuParallelMergeIntoTheWholeSweep) {
    const std::vector<std::string> sweep = {"sweep",    "--kp",    "0.1:0.5:5", "--kd",
                                            "0:0.02:2", "--steps", "40"};
    const CliRun whole = runCli(sweep);
    const CliRun shards =
        runCommand(concat(concat({"parallel", "--will-cite", "--keep-order", VORLINT_CLI_PATH}, sweep),
                          {"--shard", "{}/3", ":::", "0", "1", "2"}));
    ASSERT_EQ(shards.status, 0) << shards.err;
    std::vector<std::string> merged = linesOf(shards.out);
    std::vector<std::string> expected = linesOf(whole.out);
    ASSERT_EQ(merged.size(), 11u);
    EXPECT_EQ(merged.front(), expected.front()) << "the header comes first, once";
    std::sort(merged.begin(), merged.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(merged, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tuning, UsageErrorTest,
    ::testing::Values(UsageCase{{"tune"}, "--method relay or --method step is needed"},
                      UsageCase{{"tune", "--method", "pid"}, "--method must be relay or step, not 'pid'"},
                      UsageCase{{"tune", "--method", "relay", "--relay-amplitude", "0"},
                                "--relay-amplitude needs a finite number above 0"},
                      UsageCase{{"tune", "--method", "step", "--lag-tau", "-2"},
                                "lag-tau needs a finite number of 0 or more"},
                      UsageCase{{"tune", "--method", "step", "--kp", "1"}, "unknown option '--kp'"},
                      UsageCase{{"sweep", "--ki", "1"}, "--kp FROM:TO:COUNT is needed"},
                      UsageCase{{"sweep", "--kp", "0:1"}, "--kp needs FROM:TO:COUNT"},
                      UsageCase{{"sweep", "--kp", "0:1:0"}, "--kp needs FROM:TO:COUNT"},
                      UsageCase{{"sweep", "--kp", "0:inf:2"}, "--kp needs FROM:TO:COUNT"},
                      UsageCase{{"sweep", "--kp", "0:1:1000", "--ki", "0:1:10001"},
                                "too many combinations (10001000)"},
                      UsageCase{{"sweep", "--kp", "1", "--shard", "3/3"}, "--shard needs I/N"},
                      UsageCase{{"sweep", "--kp", "1", "--jobs", "0"}, "--jobs needs a whole number from 1"},
                      UsageCase{{"sweep", "--kp", "1", "--mode", "pid"}, "unknown option '--mode'"},
                      UsageCase{{"sweep", "--kp", "1", "--tracking-time", "nan"},
                                "tracking-time needs a finite number above 0"}));

TEST(TuneCommand, WarnsOfASamplingCycleAndANegativeDeadTimeAndFindsNoModelOfAPlantThatIgnoresThePower) {
    const CliRun sampled = runCli({"tune", "--method", "relay"});
    ASSERT_EQ(sampled.status, 0) << sampled.err;
    const std::vector<std::string> lines = linesOf(sampled.out);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[2], "warning\tsampling-limited") << "Tu 0.297 s is under 10 steps of 0.1 s";
    EXPECT_EQ(lines[3], "");

    // A plant whose time constant shrinks as it warms: the 28 % and 63 % times give τ above t63, a
    // negative θ, shown as 0, and the six rules that divide by θ do not apply.
    const CliRun bent =
        runCli({"tune", "--method", "step", "--formula", "p+(t*40-p)*dt/(10+p/100)", "--dead-time", "0.5"});
    ASSERT_EQ(bent.status, 0) << bent.err;
    const std::vector<std::string> model = linesOf(bent.out);
    ASSERT_GE(model.size(), 5u);
    EXPECT_EQ(model[2], "theta\t0");
    EXPECT_EQ(model[3], "warning\tnegative-dead-time");
    EXPECT_EQ(model[4], "");
    EXPECT_EQ(bent.err.rfind("vorlint-cli tune: the fit found a negative dead time, theta = -", 0), 0u)
        << bent.err;
    const std::string rules =
        "so these rules do not apply (nan): Ziegler-Nichols open-loop PI, Ziegler-Nichols "
        "open-loop PID, Cohen-Coon PI, Cohen-Coon PID, AMIGO PI, AMIGO PID\n";
    EXPECT_NE(bent.err.find(" s, taken as 0, " + rules), std::string::npos) << bent.err;

    const CliRun climbing = runCli({"tune", "--method", "step", "--formula", "p+1"});
    EXPECT_EQ(climbing.status, 1);
    EXPECT_EQ(climbing.out, "");
    EXPECT_NE(climbing.err.find("no result within 200000 steps"), std::string::npos) << climbing.err;
}

// The course options reach a sweep as they reach sim: each row holds sim --metrics's figures to the bit.
TEST(SweepCommand, RowsAreSimsFiguresWithEveryCourseOptionOn) {
    const std::vector<std::string> setup = {
        "--ki",         "40", "--setpoint",     "1500", "--steps",      "200", "--noise",    "5",
        "--noise-seed", "3",  "--quantization", "0.5",  "--rate-limit", "50",  "--bumpless", "on"};
    const CliRun sweep = runCli(concat({"sweep", "--kp", "0.02:0.04:2", "--jobs", "1"}, setup));
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    const std::vector<std::string> rows = linesOf(sweep.out);
    ASSERT_EQ(rows.size(), 3u);
    const std::string csv = "sweep_course_options_" + std::to_string(::getpid()) + ".csv";
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::string kp = rows[i].substr(0, rows[i].find(','));
        const CliRun sim =
            runCli(concat({"sim", "--mode", "pid", "--kp", kp, "--csv", csv, "--metrics", "-"}, setup));
        ASSERT_EQ(sim.status, 0) << sim.err;
        std::string row = kp + ",40,0";
        for (const std::string& line : linesOf(sim.out))
            row += ',' + line.substr(line.find('\t') + 1);
        EXPECT_EQ(rows[i], row);
    }
    std::remove(csv.c_str());
}

} // namespace
