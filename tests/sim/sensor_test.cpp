#include "NoiseSource.h"
#include "PidLaw.h"
#include "Sensor.h"

#include <gtest/gtest.h>

namespace {

// SplitMix64 from the seed 1, worked out apart (python3): the first outputs are 0x910a2dec89025cc1,
// 0xbeeb8da1658eec67, 0xf893a2eefb32555e, 0x71c18690ee42c90b, and u = (z >> 11) / 2^53.
TEST(NoiseSourceTest, SeedOneGivesTheGeneratorsFirstOutputs) {
    CNoiseSource noise(1);
    EXPECT_EQ(noise.Uniform(), 0.5665615751722809);
    EXPECT_EQ(noise.Uniform(), 0.7457817572627011);
    EXPECT_EQ(noise.Uniform(), 0.9710027535867962);
    EXPECT_EQ(noise.Uniform(), 0.4443592170557721);
    noise.Restart(1);
    EXPECT_DOUBLE_EQ(noise.Gaussian(), -0.034267321791851144) << "u1 then u2, in that order";
    EXPECT_DOUBLE_EQ(noise.Gaussian(), -2.5000674933698677);
    // Seeds a double cannot tell apart, and the largest, whose state wraps at the first draw.
    EXPECT_EQ(CNoiseSource(9007199254740993u).Uniform(), 0.02094845469691875);
    EXPECT_EQ(CNoiseSource(9007199254740992u).Uniform(), 0.8076686994283997);
    EXPECT_EQ(CNoiseSource(18446744073709551615u).Uniform(), 0.8939429202831845);
}

TEST(SensorTest, QuantizationRoundsTiesAwayFromZeroAndNoiseDrawsPerStep) {
    CSensor sensor;
    SensorActuatorSettings settings;
    EXPECT_EQ(sensor.Measure(20.25, settings), 20.25) << "both off: the point itself";
    settings.quantization = 0.5;
    EXPECT_EQ(sensor.Measure(20.25, settings), 20.5) << "40.5 steps of 0.5 round up";
    EXPECT_EQ(sensor.Measure(-0.75, settings), -1.0) << "-1.5 steps round away from zero";
    EXPECT_EQ(sensor.Measure(20.2, settings), 20.0);
    settings = SensorActuatorSettings();
    settings.noiseStd = 2.0;
    sensor.Restart(1);
    EXPECT_DOUBLE_EQ(sensor.Measure(20.0, settings), 19.931465356416297);
    EXPECT_DOUBLE_EQ(sensor.Measure(20.0, settings), 14.999865013260266);
}

TEST(PowerRateLimitTest, MovesAtMostRateTimesDtFromThePreviousPower) {
    const PowerRateLimit limit{true, 50.0, 10.0, 0.25};
    EXPECT_EQ(limit.Limit(100.0), 52.5);
    EXPECT_EQ(limit.Limit(0.0), 47.5);
    EXPECT_EQ(limit.Limit(51.0), 51.0);
    EXPECT_EQ(PowerRateLimit{}.Limit(100.0), 100.0) << "off";
}

// Error 10 with no previous error: P = 10, no increment, D = 0.
TEST(PidLawActuatorTest, BumplessSetsTheIntegralAndBackCalculationTracksTheLimitedPower) {
    const PidInput in{30.0, 20.0, 10.0, false, 0.0, 0.25};
    PidActuator actuator;
    actuator.bumplessTransfer = true;
    actuator.previousPower = 40.0;
    CPidLaw law;
    double integral = 7.0;
    PidOutput out = law.Step(in, {1.0, 4.0, 0.0}, {}, integral, actuator);
    EXPECT_EQ(integral, 120.0) << "(40 - 10 - 0) * 4";
    EXPECT_EQ(out.power, 40.0);
    integral = 7.0;
    out = law.Step(in, {1.0, 0.0, 0.0}, {}, integral, actuator);
    EXPECT_EQ(integral, 7.0) << "without integral action there is nothing to set";

    actuator.bumplessTransfer = false;
    actuator.rateLimit = {true, 0.0, 8.0, 0.25};
    PidOptions backCalculation;
    backCalculation.antiWindup = AntiWindup::BackCalculation;
    backCalculation.trackingTimeS = 0.5;
    integral = 0.0;
    out = law.Step(in, {1.0, 4.0, 0.0}, backCalculation, integral, actuator);
    EXPECT_EQ(out.power, 2.0) << "0 + 8 * 0.25";
    EXPECT_EQ(integral, -12.59101888919573) << "4 * (2 - 10) * (1 - e^(-0.25 / 0.5))";
}

} // namespace
