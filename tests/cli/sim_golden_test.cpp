#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>

namespace {

/// FNV-1a, 64 bits: enough to tell two long CSV outputs apart without keeping them.
std::uint64_t digestOf(const std::string& text) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const unsigned char c : text) {
        hash = (hash ^ c) * 0x100000001b3ull;
    }
    return hash;
}

/// The digest of what `vorlint-cli sim ARGS` writes; `args` are separated by blanks.
std::uint64_t digestOfSim(const std::string& args) {
    std::vector<std::string> words{"sim"};
    std::istringstream in(args);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    const CliRun run = runCli(words);
    EXPECT_EQ(run.status, 0) << run.err;
    return digestOf(run.out);
}

struct GoldenRun {
    const char* name;
    const char* args; // separated by single spaces; no argument holds one
    std::uint64_t digest;
};

void PrintTo(const GoldenRun& run, std::ostream* os) {
    *os << run.name;
}

class SimGoldenTest : public ::testing::TestWithParam<GoldenRun> {};

// The digests are those of the program before the plant dynamics and the controller options existed: long
// runs with mode, gain, set-point and step-time switches must keep every row bit for bit. The random and
// the slow plant switched Kd to inf, which no gain may be since gains must be finite: they switch it to
// 1e300 instead, and their digests are those of the program since then.
TEST_P(SimGoldenTest, LongRunsKeepTheirRowsBitForBit) {
    EXPECT_EQ(digestOfSim(GetParam().args), GetParam().digest);
}

// Every new option given at its default value (the lag's time constant and the tracking time do nothing
// while there are no lags and no back-calculation) changes nothing either.
TEST_P(SimGoldenTest, NewOptionsAtTheirDefaultsKeepTheRows) {
    EXPECT_EQ(digestOfSim(std::string(GetParam().args) +
                          " --disturbance 0 --dead-time 0 --lags 0 --lag-tau 3 --setpoint-weight 1"
                          " --derivative-on error --derivative-filter 0 --anti-windup none --tracking-time 2"
                          " --noise 0 --noise-seed 7 --quantization 0 --rate-limit 0 --bumpless off"),
              GetParam().digest);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SimGoldenTest,
    ::testing::Values(
        GoldenRun{
            "PID with mode, gain and step-time switches",
            "--steps 20000 --mode pid --kp 0.8 --ki 2 --kd 0.05 --setpoint 1500 --at 2381:setpoint=0 --at "
            "3502:mode=pid --at 3881:kd=0 --at 4907:mode=manual --at 5279:kp=25 --at 7317:reset --at "
            "8093:sim-step-ms=250 --at 8383:mode=pid --at 8534:kd=0.01 --at 8636:mode=pid --at "
            "8885:power=33.3 --at 9024:ki=40 --at 9538:kp=25 --at 9930:ki=3 --at 10345:mode=pid --at "
            "11734:mode=manual --at 11820:ki=0 --at 12906:mode=onoff --at 13000:reset --at 14739:mode=pid "
            "--at 15292:reset --at 16919:sim-step-ms=1 --at 17274:power=70 --at 18068:sim-step-ms=50",
            0xf0d18d8f3d7ead43ull},
        GoldenRun{"random plant",
                  "--steps 20000 --mode pid --kp 0.3 --ki 5 --setpoint 900 --formula "
                  "p+((t/100)*5000-p*1.0)*dt+frand(-40:40)+irand(-3:3) --at 628:kd=1e300 --at 683:ki=3 --at "
                  "2179:ki=0.5 --at 3110:mode=pid --at 4697:ki=0 --at 7743:reset --at 8403:mode=pid --at "
                  "8744:kp=2 --at 11388:mode=pid --at 12915:power=100 --at 13295:power=100 --at 13688:ki=0 "
                  "--at 13866:mode=onoff --at 14323:kp=0 --at 14465:kp=2 --at 14722:power=100 --at "
                  "15069:setpoint=2999 --at 15551:kp=-1 --at 15890:kd=0.3 --at 16027:kd=0 --at "
                  "18650:power=33.3 --at 18660:power=33.3 --at 18727:kd=1e300 --at 19513:reset",
                  0xa7e351759b8ff85full},
        GoldenRun{
            "clamps, failures and numbers that are not",
            "--steps 20000 --mode pid --kp 50 --kd 2 --setpoint 3000 --formula p+((t/100)*5000-p)*dt/(t-100) "
            "--at 1035:reset --at 1789:mode=pid --at 2938:ki=3 --at 3385:power=70 --at 4120:reset --at "
            "4258:setpoint=800 --at 4610:kp=0 --at 6576:setpoint=1500 --at 6934:setpoint=0 --at 8025:kp=2 "
            "--at 8105:power=0 --at 8479:reset --at 8611:sim-step-ms=50 --at 10305:sim-step-ms=50 --at "
            "11124:mode=manual --at 12717:mode=pid --at 14072:mode=pid --at 14661:mode=pid --at "
            "15367:setpoint=250.5 --at 15960:mode=manual --at 15991:mode=onoff --at 17850:reset --at "
            "17891:setpoint=0 --at 18143:sim-step-ms=100",
            0x414e5373a827fb17ull},
        GoldenRun{
            "slow plant winding up",
            "--steps 20000 --mode pid --kp 0.1 --ki 30 --setpoint 1200 --formula p+(t*2-(p-20)*0.05)*dt --at "
            "20:ki=0.5 --at 255:ki=3 --at 654:kp=-1 --at 960:sim-step-ms=0 --at 2664:mode=pid --at "
            "3658:kd=1e300 --at 4046:reset --at 7717:ki=40 --at 8134:kp=0 --at 8896:reset --at "
            "9238:sim-step-ms=1 --at 9615:reset --at 9711:power=0 --at 10928:kp=0.4 --at 11331:kp=2 --at "
            "11742:mode=onoff --at 12536:mode=pid --at 13035:power=0 --at 14597:mode=onoff --at 16231:ki=40 "
            "--at 16651:sim-step-ms=1 --at 17308:mode=pid --at 17971:setpoint=nan --at 19445:sim-step-ms=1",
            0x320db2c2a8f75db3ull}));

} // namespace
