#include "CliRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace {

constexpr double kPi = 3.14159265358979323846;

double valueOf(const std::string& text) {
    double value = 0.0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(parsed.ec == std::errc() && parsed.ptr == text.data() + text.size()) << text;
    return value;
}

/// The figures of a freq run by name, after checking their names and order, the blank line, the CSV
/// header and that the curves have `points` rows from the Nyquist frequency's 1e-4 up to it.
std::map<std::string, double> checkFreqOutput(const std::string& out, std::size_t points, double dt) {
    static const char* const kNames[] = {"p0",
                                         "t0",
                                         "a",
                                         "b",
                                         "ku",
                                         "tu",
                                         "gain_margin",
                                         "gain_margin_db",
                                         "phase_margin_deg",
                                         "crossover_rad_s",
                                         "phase_crossover_rad_s",
                                         "ms"};
    const std::vector<std::string> lines = linesOf(out);
    std::map<std::string, double> figures;
    EXPECT_EQ(lines.size(), std::size(kNames) + 2 + points) << out;
    if (lines.size() != std::size(kNames) + 2 + points) {
        return figures;
    }
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        const auto tab = lines[i].find('\t');
        EXPECT_EQ(lines[i].substr(0, tab), kNames[i]);
        figures[kNames[i]] = valueOf(lines[i].substr(tab + 1));
    }
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], "w_rad_s,plant_mag_db,plant_phase_deg,loop_mag_db,loop_phase_deg");
    for (std::size_t i = 14; i < lines.size(); ++i) {
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 4) << lines[i];
    }
    const double nyquist = kPi / dt;
    EXPECT_NEAR(valueOf(lines[14].substr(0, lines[14].find(','))), nyquist * 1e-4, nyquist * 1e-16);
    EXPECT_NEAR(valueOf(lines.back().substr(0, lines.back().find(','))), nyquist, nyquist * 1e-15);
    return figures;
}

TEST(FreqCommand, PrintsTheFiguresAndTheCurvesOfTheLoopItWasGiven) {
    // 2·t behind 0.5 s of dead time at 50 ms steps: 10 steps, and the controller's own, so
    // L = 2·Kp·z^−11 crosses −180° at ω = π/(11·dt).
    const CliRun run = runCli({"freq", "--formula", "2*t", "--dead-time", "0.5", "--sim-step-ms", "50",
                               "--kp", "0.25", "--operating-point", "100", "--points", "30"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto figures = checkFreqOutput(run.out, 30, 0.05);
    EXPECT_EQ(figures.at("p0"), 100.0);
    EXPECT_NEAR(figures.at("t0"), 50.0, 1e-9);
    EXPECT_NEAR(figures.at("phase_crossover_rad_s"), kPi / 0.55, 1e-6);
    EXPECT_NEAR(figures.at("gain_margin"), 2.0, 1e-6);
    EXPECT_NEAR(figures.at("ku"), 0.5, 1e-6);
    EXPECT_NEAR(figures.at("tu"), 1.1, 1e-6);
    EXPECT_TRUE(std::isnan(figures.at("phase_margin_deg")));
    EXPECT_NE(run.err.find("phase_margin_deg and crossover_rad_s are nan: The loop gain stays at or below 1"),
              std::string::npos)
        << run.err;
}

TEST(FreqCommand, DefaultPlantHoldsTheSetPointAndHasNoUltimatePoint) {
    const CliRun run = runCli({"freq", "--setpoint", "1000", "--kp", "0.1", "--ki", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto figures = checkFreqOutput(run.out, 400, 0.1);
    EXPECT_EQ(figures.at("p0"), 1000.0);
    EXPECT_NEAR(figures.at("t0"), 20.0, 1e-9);
    EXPECT_TRUE(std::isnan(figures.at("ku")) && std::isnan(figures.at("gain_margin")));
    EXPECT_NE(run.err.find("ku and tu are nan: The plant's phase reaches -180° only at the Nyquist"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(checkFreqOutput(runCli({"freq"}).out, 400, 0.1).at("p0"), 1500.0);
}

TEST(FreqCommand, RefusesLoopsWithoutAModelAndBadOptions) {
    const CliRun high = runCli({"freq", "--operating-point", "6000"});
    EXPECT_EQ(high.status, 1);
    EXPECT_EQ(high.out, "");
    EXPECT_NE(high.err.find("no operating point"), std::string::npos) << high.err;
    for (const std::vector<std::string>& args : {std::vector<std::string>{"freq", "--points", "1"},
                                                 {"freq", "--operating-point", "inf"},
                                                 {"freq", "--kp", "x"},
                                                 {"freq", "--steps", "5"}}) {
        EXPECT_EQ(runCli(args).status, 2) << args.back();
    }
}

/// The figure `name` of a freq run's output.
double figureOf(const std::string& out, const std::string& name) {
    for (const std::string& line : linesOf(out)) {
        if (line.rfind(name + '\t', 0) == 0) {
            return valueOf(line.substr(name.size() + 1));
        }
    }
    ADD_FAILURE() << "no " << name << " in " << out;
    return 0.0;
}

TEST(FreqCommand, LongDeadTimeUnstablePlantAndGainsThatAreNotFinite) {
    // 10,000 steps of dead time on the default plant: the exact discrete loop's ultimate period, where
    // arg(5z/(z − 0.9)) = 10001·θ − π (mpmath).
    const CliRun delayed = runCli({"freq", "--dead-time", "1000"});
    ASSERT_EQ(delayed.status, 0) << delayed.err;
    EXPECT_NEAR(figureOf(delayed.out, "tu"), 2001.9999943855898, 1e-6);

    const CliRun unstable =
        runCli({"freq", "--formula", "p*1.1 - 200 + t", "--kp", "0.5", "--setpoint", "1500"});
    ASSERT_EQ(unstable.status, 0) << unstable.err;
    for (const char* name : {"ms", "phase_margin_deg", "gain_margin", "crossover_rad_s"}) {
        EXPECT_TRUE(std::isnan(figureOf(unstable.out, name))) << name;
    }
    EXPECT_NE(
        unstable.err.find("ms is nan: The plant is unstable at the operating point (|a| > 1): its margins "
                          "need the Nyquist criterion"),
        std::string::npos)
        << unstable.err;

    for (const char* command : {"sim", "freq", "sweep"}) {
        for (const char* gain : {"--kp", "--ki", "--kd"}) {
            const CliRun run = runCli({command, "--kp", "1", gain, "nan"});
            EXPECT_EQ(run.status, 2) << command << ' ' << gain << ' ' << run.err;
        }
    }
}

} // namespace
