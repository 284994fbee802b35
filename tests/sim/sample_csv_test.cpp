#include "RoundTripNumber.h"
#include "SampleCsv.h"
#include "SimulationTestSupport.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

using HistoryCsvTest = SimulationTestBase<>;

TEST_F(HistoryCsvTest, TheCommandLinesRowsNumberedByStepThenTheSimulatedTime) {
    setPid(0.1, 0.0, 0.0, 1500.0);
    double time = 0.0;
    std::string lastRow;
    for (std::uint64_t step = 1; step <= 1600; ++step) {
        sim.m_nSimStepMs = step <= 1000 ? 100 : 7; // the time is the sum of the steps actually taken
        time += sim.m_nSimStepMs * 0.001;
        sim.Step();
        lastRow.clear();
        appendSampleRow(lastRow, step, newest());
    }
    const std::vector<std::string> lines = Lines(historyCsv(sim.m_history, false));
    ASSERT_EQ(lines.size(), 1501u); // the header and the 1500 samples kept
    EXPECT_EQ(lines[0], "step,setPoint,point,power,proportional,integral,derivative,error,time_s");
    EXPECT_EQ(lines[1].substr(0, 4), "101,");
    lastRow.pop_back();
    EXPECT_EQ(lines.back(), lastRow + "," + numberText(time));
}

} // namespace
