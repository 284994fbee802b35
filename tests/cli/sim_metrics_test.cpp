#include "CliRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>

#include <unistd.h>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

/// A number as the command writes it, read whatever the process locale.
double number(const std::string& text) {
    double value = kNaN;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

struct Row {
    double setPoint, point, power;
};

/// The CSV's rows as set point, point and power.
std::vector<Row> readCsv(const std::string& path) {
    std::ifstream file(path);
    std::vector<Row> rows;
    std::string line;
    std::getline(file, line); // header
    while (std::getline(file, line)) {
        std::vector<double> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            fields.push_back(number(cell));
        rows.push_back({fields[1], fields[2], fields[3]});
    }
    return rows;
}

/// The figures as the definitions give them, computed from the whole CSV at once.
std::map<std::string, double> figuresFromCsv(const std::vector<Row>& rows, double dt) {
    std::size_t k0 = 0;
    for (std::size_t k = 1; k < rows.size(); ++k) {
        if (rows[k].setPoint != rows[k - 1].setPoint)
            k0 = k;
    }
    const double y0 = k0 == 0 ? 20.0 : rows[k0 - 1].point;
    const double r = rows[k0].setPoint;
    const double delta = r - y0;
    std::map<std::string, double> f{{"response_start_step", k0 + 1.0},
                                    {"initial_point", y0},
                                    {"setpoint", r},
                                    {"rise_time_s", kNaN},
                                    {"overshoot_pct", kNaN},
                                    {"peak", kNaN},
                                    {"peak_time_s", kNaN},
                                    {"settling_time_s", kNaN}};
    double t = 0.0, t10 = kNaN, t90 = kNaN, peakZ = -INFINITY, lastOutside = 0.0;
    double iae = 0.0, ise = 0.0, itae = 0.0, saturated = 0.0, e = kNaN;
    bool newestOutside = false;
    for (std::size_t k = k0; k < rows.size(); ++k) {
        t += dt;
        // The true error, whatever the controller measured: the set point minus the point before.
        e = rows[k].setPoint - (k == 0 ? 20.0 : rows[k - 1].point);
        if (rows[k].power == 0.0 || rows[k].power == 100.0)
            saturated += dt;
        iae += std::fabs(e) * dt;
        ise += e * e * dt;
        itae += t * std::fabs(e) * dt;
        const double z = (rows[k].point - y0) / delta;
        if (std::isnan(t10) && z >= 0.1)
            t10 = t;
        if (std::isnan(t90) && z >= 0.9)
            t90 = t;
        if (z > peakZ) {
            peakZ = z;
            f["peak"] = rows[k].point;
            f["peak_time_s"] = t;
        }
        newestOutside = !(std::fabs(z - 1.0) <= 0.02);
        if (newestOutside)
            lastOutside = t;
    }
    if (delta != 0.0) {
        f["rise_time_s"] = t90 - t10;
        f["overshoot_pct"] = std::max(0.0, (peakZ - 1.0) * 100.0);
        f["settling_time_s"] = newestOutside ? kNaN : lastOutside;
    } else {
        f["peak"] = f["peak_time_s"] = kNaN;
    }
    f["steady_state_error"] = e;
    f["time_saturated_s"] = saturated;
    f["iae"] = iae;
    f["ise"] = ise;
    f["itae"] = itae;
    return f;
}

struct MetricsCase {
    const char* name;
    std::vector<std::string> args;
};

class SimMetricsTest : public ::testing::TestWithParam<MetricsCase> {};

// The figures the command writes after the run agree with the definitions applied to its own CSV.
TEST_P(SimMetricsTest, FiguresFollowTheDefinitionsOnTheCsv) {
    const std::string csv = "sim_metrics_test_" + std::to_string(::getpid()) + ".csv";
    std::vector<std::string> args{"sim", "--sim-step-ms", "20", "--csv", csv, "--metrics", "-"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CliRun run = runCli(args);
    const std::vector<Row> rows = readCsv(csv);
    std::remove(csv.c_str());
    ASSERT_EQ(run.status, 0) << run.err;

    const std::map<std::string, double> expected = figuresFromCsv(rows, 0.02);
    std::istringstream lines(run.out);
    const char* const names[] = {"response_start_step", "initial_point", "setpoint",    "rise_time_s",
                                 "overshoot_pct",       "peak",          "peak_time_s", "settling_time_s",
                                 "steady_state_error",  "iae",           "ise",         "itae",
                                 "time_saturated_s"};
    for (const char* name : names) {
        std::string line;
        ASSERT_TRUE(std::getline(lines, line)) << name;
        const std::size_t tab = line.find('\t');
        EXPECT_EQ(line.substr(0, tab), name);
        const std::string value = line.substr(tab + 1);
        const double want = expected.at(name);
        if (std::isnan(want))
            EXPECT_EQ(value, "nan") << name;
        else
            EXPECT_NEAR(number(value), want, 1e-12 * std::max(1.0, std::fabs(want))) << name;
    }
    std::string extra;
    EXPECT_FALSE(std::getline(lines, extra)) << "one line per figure: " << extra;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SimMetricsTest,
    ::testing::Values(MetricsCase{"StepUpThenDown",
                                  {"--steps", "900", "--mode", "pid", "--kp", "0.05", "--ki", "2",
                                   "--setpoint", "1000", "--at", "300:setpoint=400"}},
                      MetricsCase{"StillRising", {"--steps", "40", "--power", "30", "--setpoint", "2000"}},
                      MetricsCase{"NoisyQuantizedPid",
                                  {"--steps", "300", "--mode", "pid", "--kp", "0.05", "--ki", "2",
                                   "--setpoint", "1000", "--noise", "20", "--quantization", "7",
                                   "--rate-limit", "300"}},
                      MetricsCase{"NoStep", {"--steps", "20", "--power", "50", "--setpoint", "20"}}),
    [](const ::testing::TestParamInfo<MetricsCase>& info) { return info.param.name; });

/// The --metrics lines of a run with `args`, the CSV thrown away.
std::string metrics(std::vector<std::string> args) {
    args.insert(args.begin(), {"sim", "--csv", "/dev/null", "--metrics", "-"});
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

// A static plant 50 + t at set point 50 under manual power 0: the point is 50 plus the disturbance of
// the step, so the errors from step 3 are 0, -10, -10, 10, -0.3, -0.1 (steps of 0.1 s). By hand
// (python3 adds in the same order): the first -10 at T = 0.2, the last |e| above 0.2 at T = 0.5,
// IAE 3.04, ISE 30.01, ITAE 0.921.
TEST(SimResponseSegmentTest, ALoadDisturbanceGivesItsFiguresByHand) {
    const std::vector<std::string> run{"--steps",       "10",
                                       "--sim-step-ms", "100",
                                       "--formula",     "50 + t",
                                       "--setpoint",    "50",
                                       "--at",          "3:disturbance=10",
                                       "--at",          "5:disturbance=-10",
                                       "--at",          "6:disturbance=0.3",
                                       "--at",          "7:disturbance=0.1"};
    std::vector<std::string> segment = run;
    segment.insert(segment.end(), {"--response-from", "3", "--response-to", "8"});
    EXPECT_EQ(metrics(segment), "peak_deviation\t-10\n"
                                "peak_deviation_time_s\t0.20000000000000001\n"
                                "recovery_time_s\t0.5\n"
                                "iae\t3.04\n"
                                "ise\t30.010000000000002\n"
                                "itae\t0.92100000000000004\n");
    segment[segment.size() - 1] = "6";
    EXPECT_EQ(metrics(segment), "peak_deviation\t-10\n"
                                "peak_deviation_time_s\t0.20000000000000001\n"
                                "recovery_time_s\tnan\n"
                                "iae\t3\n"
                                "ise\t30\n"
                                "itae\t0.90000000000000002\n")
        << "the newest step still 10 off";
    // The set point moving at the same step makes it a step response.
    segment.insert(segment.end(), {"--at", "3:setpoint=60"});
    EXPECT_EQ(metrics(segment).rfind("response_start_step\t3\ninitial_point\t50\nsetpoint\t60\n", 0), 0u);
}

// A set-point step's segment measures as the dock measures from that step: the first part of a run
// as the same run stopped there, the last as the run's latest response.
TEST(SimResponseSegmentTest, ASetPointStepMeasuresAsTheMeterFromItsStep) {
    const std::vector<std::string> run{"--mode", "pid", "--kp", "0.05", "--ki", "2", "--setpoint", "1000"};
    std::vector<std::string> whole = run;
    whole.insert(whole.end(), {"--steps", "900", "--at", "300:setpoint=400"});
    std::vector<std::string> first = whole;
    first.insert(first.end(), {"--response-from", "1", "--response-to", "299"});
    std::vector<std::string> stopped = run;
    stopped.insert(stopped.end(), {"--steps", "299"});
    EXPECT_EQ(metrics(first), metrics(stopped));
    std::vector<std::string> last = whole;
    last.insert(last.end(), {"--response-from", "300"});
    EXPECT_EQ(metrics(last), metrics(whole));
}

} // namespace
