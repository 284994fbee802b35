// The expected values are closed forms or come from an independent computation with Python's cmath
// (the transfers written out from their definitions, crossovers found by a root finder, and the
// ultimate gain of a dead-time plant by scanning the gain until a root of the characteristic polynomial
// leaves the unit circle).

#include "FrequencyLab.h"
#include "FrequencyLabTexts.h"
#include "LoopModel.h"
#include "OperatingPoint.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <memory>

namespace {

constexpr double kPi = 3.14159265358979323846;

void expectRelative(double actual, double expected, double tolerance = 1e-6) {
    EXPECT_NEAR(actual, expected, tolerance * std::fabs(expected)) << "expected " << expected;
}

std::unique_ptr<CSimulation> plant(const char* formula, double deadTimeS, int lags) {
    auto setup = std::make_unique<CSimulation>();
    setup->m_strFormula = formula;
    setup->m_dynamicsSettings.deadTimeS = deadTimeS;
    setup->m_dynamicsSettings.lagCount = lags;
    return setup;
}

FrequencyAnalysis analyze(const CSimulation& setup, const PidGains& gains, double operatingPoint) {
    FrequencyRequest request;
    request.operatingPoint = operatingPoint;
    return AnalyzeFrequency(SetupOf(setup), gains, request);
}

/// A grid row against (w, plant dB, plant phase, loop dB, loop phase).
void expectRow(const BodePoint& row, const std::array<double, 5>& expected) {
    expectRelative(row.omegaRadS, expected[0]);
    expectRelative(row.plantMagDb, expected[1]);
    expectRelative(row.plantPhaseDeg, expected[2]);
    expectRelative(row.loopMagDb, expected[3]);
    expectRelative(row.loopPhaseDeg, expected[4]);
}

TEST(OperatingPoint, HoldsThePointAndLinearisesTheFormulaThere) {
    // The default formula: t0 = 0.02·p0, a = 1 − dt, b = 50·dt.
    const OperatingPoint linear = FindOperatingPoint(CSimulation::kDefaultFormula, 0.1, 1500.0);
    ASSERT_EQ(linear.failure, nullptr);
    expectRelative(linear.t0, 30.0, 1e-9);
    expectRelative(linear.a, 0.9, 1e-9);
    expectRelative(linear.b, 5.0, 1e-9);
    // t²/2 holds 800 at t0 = 40, where its slope b = dt·t0.
    const OperatingPoint square = FindOperatingPoint("p + ((t*t)*0.5 - p)*dt", 0.1, 800.0);
    ASSERT_EQ(square.failure, nullptr);
    expectRelative(square.t0, 40.0, 1e-9);
    expectRelative(square.b, 4.0, 1e-9);

    // Full power brings the default plant to 5000 at most.
    EXPECT_STREQ(FindOperatingPoint(CSimulation::kDefaultFormula, 0.1, 6000.0).failure,
                 FrequencyLabText::kNoOperatingPoint);
    EXPECT_STREQ(FindOperatingPoint("p + q", 0.1, 1500.0).failure, FrequencyLabText::kFormulaGivesNoNumber);
    CSimulation unsampled;
    unsampled.m_nSimStepMs = 0;
    EXPECT_STREQ(analyze(unsampled, {}, 1500.0).noModelWhy, FrequencyLabText::kNoSampling);
}

TEST(FrequencyLab, PureGainBehindADeadTimeHasThePhaseOfItsDelays) {
    // 2·t behind 5 steps of dead time, with the controller's own step: L = 0.6·z^−6.
    const FrequencyAnalysis analysis = analyze(*plant("2*t", 0.5, 0), {0.3, 0.0, 0.0}, 100.0);
    ASSERT_EQ(analysis.bode.size(), FrequencyRequest::kDefaultPoints);
    for (const std::size_t i : {0, 199, 398}) {
        const BodePoint& row = analysis.bode[i];
        expectRelative(row.loopPhaseDeg, -row.omegaRadS * 0.1 * 6.0 * 180.0 / kPi);
        expectRelative(row.loopMagDb, 20.0 * std::log10(0.6));
    }
    const FrequencyFigures& f = analysis.figures;
    expectRelative(f.phaseCrossoverRadS, kPi / 0.6, 1e-4);
    expectRelative(f.gainMargin, 1.0 / 0.6, 1e-4);
    expectRelative(f.gainMarginDb, 20.0 * std::log10(1.0 / 0.6), 1e-4);
    expectRelative(f.ku, 0.5, 1e-4);
    expectRelative(f.tu, 1.2, 1e-4);
    EXPECT_TRUE(std::isnan(f.phaseMarginDeg) && std::isnan(f.crossoverRadS));
    EXPECT_STREQ(analysis.phaseMarginWhy, FrequencyLabText::kLoopGainNeverAboveOne);
}

TEST(FrequencyLab, SingleLagMatchesItsTransferAndItsClosedFormCrossover) {
    // L = 2·Kp·α/(z − (1 − α)), α = 1 − e^−0.1; |L| = 1 where cos θ = (1 + c² − 4Kp²α²)/(2c), c = 1 − α.
    const FrequencyAnalysis analysis = analyze(*plant("2*t", 0.0, 1), {2.0, 0.0, 0.0}, 100.0);
    expectRow(analysis.bode[0], {0.0031415926535897933, 6.020557086045276, -0.1891493828334399,
                                 12.041156999324901, -0.1891493828334399});
    expectRow(analysis.bode[250], {1.007895571163209, 2.9796852503046916, -48.160832561110084,
                                   9.000285163584316, -48.160832561110084});
    expectRow(analysis.bode[399],
              {31.41592653589793, -20.00723402202337, -180.0, -13.986634108743745, -180.0});
    expectRelative(analysis.figures.crossoverRadS, 3.8992524261909978, 1e-4);
    expectRelative(analysis.figures.phaseMarginDeg, 93.02688439413825, 1e-4);
    expectRelative(analysis.figures.ms, 1.2497398976206124);
}

TEST(FrequencyLab, DefaultPlantHasNoPhaseCrossoverOfItsOwn) {
    // A first-order plant's phase reaches −180° exactly at the Nyquist frequency and never passes it.
    const FrequencyAnalysis analysis = analyze(CSimulation(), {0.1, 0.0, 0.0}, 1500.0);
    const FrequencyFigures& f = analysis.figures;
    EXPECT_EQ(analysis.bode.back().plantPhaseDeg, -180.0);
    EXPECT_EQ(analysis.bode.back().loopPhaseDeg, -180.0);
    EXPECT_TRUE(std::isnan(f.ku) && std::isnan(f.tu) && std::isnan(f.gainMargin) &&
                std::isnan(f.gainMarginDb) && std::isnan(f.phaseCrossoverRadS));
    EXPECT_STREQ(analysis.ultimatePointWhy, FrequencyLabText::kPlantPhaseAtNyquistOnly);
    EXPECT_STREQ(analysis.gainMarginWhy, FrequencyLabText::kLoopPhaseAtNyquistOnly);
    // 0.1·5/(1 − 0.9) = 5 at low frequencies, 0.5/1.9 at Nyquist: one gain crossover.
    EXPECT_EQ(analysis.phaseMarginWhy, nullptr);

    const FrequencyAnalysis open = analyze(CSimulation(), {}, 1500.0);
    EXPECT_STREQ(open.gainMarginWhy, FrequencyLabText::kLoopIsZero);
    EXPECT_STREQ(open.phaseMarginWhy, FrequencyLabText::kLoopIsZero);
}

TEST(FrequencyLab, UltimatePointOfAFirstOrderPlantWithDeadTimeIsWhereItsLoopLosesStability) {
    // z⁵(z − 0.9) + 5·K = 0 gets a root on the unit circle at K = Ku, at the angle 2π·dt/Tu.
    const FrequencyAnalysis analysis = analyze(*plant(CSimulation::kDefaultFormula, 0.5, 0), {}, 1500.0);
    expectRelative(analysis.figures.ku, 0.06719561367054275, 1e-4);
    expectRelative(analysis.figures.tu, 1.8494491848551127, 1e-4);
}

TEST(FrequencyLab, FilteredPidBehindDeadTimeAndLagsMatchesAnIndependentComputation) {
    const auto setup = plant(CSimulation::kDefaultFormula, 0.5, 2);
    setup->m_pidOptions.derivativeFilterS = 0.2;
    const PidGains gains{0.02, 50.0, 0.01};
    const FrequencyAnalysis analysis = analyze(*setup, gains, 1500.0);
    expectRow(analysis.bode[0], {0.0031415926535897933, 33.97927585559076, -0.612298259358875,
                                 50.0568782437871, -90.43229773971927});
    expectRow(analysis.bode[137], {0.07423068302034717, 33.91022629408572, -14.445412366214214,
                                   22.519191337349007, -100.18547217645096});
    expectRow(analysis.bode[300], {3.196455551368353, 3.0048325720451583, -299.8939849166525,
                                   -25.36307848602021, -279.431993465059});
    const FrequencyFigures& f = analysis.figures;
    expectRelative(f.crossoverRadS, 0.6362768882564862, 1e-4);
    expectRelative(f.phaseMarginDeg, 17.211738893916163, 1e-4);
    expectRelative(f.phaseCrossoverRadS, 0.9059072778080693, 1e-4);
    expectRelative(f.gainMargin, 1.8636799155692794, 1e-4);
    expectRelative(f.gainMarginDb, 5.407426498998884, 1e-4);
    expectRelative(f.ku, 0.07358698778209971, 1e-4);
    expectRelative(f.tu, 5.245951916567937, 1e-4);
    expectRelative(f.ms, 3.9956878107988416);

    // The derivative on measurement has the same transfer in the loop; the set-point weight, the
    // disturbance and the anti-windup do not act on it at all.
    setup->m_pidOptions.derivativeOnMeasurement = true;
    setup->m_pidOptions.setPointWeight = 0.5;
    setup->m_pidOptions.antiWindup = AntiWindup::Conditional;
    setup->m_dynamicsSettings.disturbance = 10.0;
    const FrequencyAnalysis same = analyze(*setup, gains, 1500.0);
    EXPECT_EQ(same.figures.phaseMarginDeg, f.phaseMarginDeg);
    EXPECT_EQ(same.figures.gainMargin, f.gainMargin);
}

TEST(FrequencyLab, PeakSensitivityOfANearCriticalLoopIsItsTruePeak) {
    // Kp = Ku/1.02 on the default plant behind 0.5 s: a gain margin of 1.02, and a peak of 1/|1 + L|
    // between grid points (mpmath at 40 digits: a 400,000-point scan refined by golden section).
    const FrequencyAnalysis analysis =
        analyze(*plant(CSimulation::kDefaultFormula, 0.5, 0), {0.06587805261817918, 0.0, 0.0}, 1500.0);
    expectRelative(analysis.figures.gainMargin, 1.02, 1e-6);
    EXPECT_NEAR(analysis.figures.ms, 55.222087470991477, 1e-6);
}

TEST(FrequencyLab, LongDeadTimeAddsItsPhaseExactlyAndMarginsStayOnThePrincipalBranch) {
    // 10,000 steps of dead time and the step's own: the plant's phase first reaches −180° where
    // arg(5z/(z − 0.9)) = 10001·θ − π (mpmath), and the grid starts at 0.01 rad of the delay's phase.
    const FrequencyAnalysis analysis =
        analyze(*plant(CSimulation::kDefaultFormula, 1000.0, 0), {0.1, 0.0, 0.0}, 1500.0);
    expectRelative(analysis.bode.front().omegaRadS, kPi / 0.1 * 0.01 / 10001.0, 1e-12);
    EXPECT_NEAR(analysis.figures.tu, 2001.9999943855898, 1e-6);
    // |0.5·z/(z − 0.9)| = 1 at cos θ = 1.56/1.8; 180° + the loop's phase there is −299178.17°. The
    // crossover's 1e-9 of θ is 3e-4° of so long a delay's phase.
    expectRelative(analysis.figures.crossoverRadS, 5.2231482180604862, 1e-9);
    EXPECT_NEAR(analysis.figures.phaseMarginDeg, -18.171219871711744, 1e-3);
}

TEST(FrequencyLab, UnstablePlantAndLagsThatPassNothingSayWhyTheirFiguresAreMissing) {
    // p·1.1 − 200 + t holds 1500 at t0 = 50 with a = 1.1: margins read off a Bode plot mean nothing.
    const FrequencyAnalysis unstable = analyze(*plant("p*1.1 - 200 + t", 0.0, 0), {0.5, 0.0, 0.0}, 1500.0);
    const FrequencyFigures& f = unstable.figures;
    expectRelative(f.a, 1.1, 1e-9);
    EXPECT_TRUE(std::isnan(f.ms) && std::isnan(f.gainMargin) && std::isnan(f.gainMarginDb) &&
                std::isnan(f.phaseMarginDeg) && std::isnan(f.crossoverRadS) &&
                std::isnan(f.phaseCrossoverRadS));
    for (const char* why : {unstable.msWhy, unstable.gainMarginWhy, unstable.phaseMarginWhy}) {
        EXPECT_STREQ(why, FrequencyLabText::kPlantUnstable);
    }
    // With τ = 1e300 s every lag's 1 − e^(−dt/τ) is 0, though b is 5.
    const auto slow = plant(CSimulation::kDefaultFormula, 0.0, 5);
    slow->m_dynamicsSettings.lagTauS = 1e300;
    const FrequencyAnalysis lagged = analyze(*slow, {}, 1500.0);
    expectRelative(lagged.figures.b, 5.0, 1e-9);
    EXPECT_STREQ(lagged.ultimatePointWhy, FrequencyLabText::kPlantLagsPassNothing);
}

} // namespace
