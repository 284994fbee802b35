#include "CliRunner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

/// The lines of a sample's output on `page`: the indented lines after the line `command`, blank lines
/// left out, up to the next paragraph.
std::vector<std::string> PrintedBelow(const std::string& page, const std::string& command) {
    std::ifstream file(std::string(VORLINT_SOURCE_DIR "/docs/") + page);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<std::string> printed;
    bool found = false;
    for (const std::string& line : linesOf(text.str())) {
        if (!found) {
            found = line == command;
            continue;
        }
        if (line.empty())
            continue;
        if (line.compare(0, 4, "    ") != 0)
            break;
        printed.push_back(line.substr(4));
    }
    EXPECT_TRUE(found) << page << ": " << command;
    return printed;
}

/// `text`'s lines without the blank ones.
std::vector<std::string> FilledLines(const std::string& text) {
    std::vector<std::string> lines;
    for (const std::string& line : linesOf(text)) {
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

// The samples the lab pages print are what the command prints, in both languages.
TEST(DocsSamplesTest, TheLabPagesPrintWhatTheCommandPrints) {
    const CliRun sim =
        runCli({"sim", "--mode", "pid", "--kp", "0.01", "--ki", "20", "--kd", "0.002", "--setpoint", "1200",
                "--steps", "600", "--at", "300:setpoint=2200", "--csv", "/dev/null", "--metrics", "-"});
    ASSERT_EQ(sim.status, 0) << sim.err;
    const std::vector<std::string> tuneStep = {"tune", "--method",  "step", "--dead-time", "0.5", "--lags",
                                               "2",    "--lag-tau", "1",    "--setpoint",  "1200"};
    const CliRun step = runCli(tuneStep);
    ASSERT_EQ(step.status, 0) << step.err;
    for (const char* language : {"", ".pt_BR"}) {
        EXPECT_EQ(PrintedBelow(std::string("first-lab") + language + ".md",
                               "        --at 300:setpoint=2200 --csv run.csv --metrics -"),
                  FilledLines(sim.out))
            << language;
        EXPECT_EQ(PrintedBelow(std::string("tuning-lab") + language + ".md",
                               "    $ vorlint-cli tune --method step $P --setpoint 1200"),
                  FilledLines(step.out))
            << language;
    }
}

} // namespace
