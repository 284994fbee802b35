#include "FrequencyLab.h"

#include "FrequencyCrossing.h"
#include "FrequencyCurve.h"
#include "FrequencyLabTexts.h"
#include "LoopModel.h"
#include "OperatingPoint.h"
#include "PeakSensitivity.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.28318530717958647692;

std::vector<BodePoint> bodeOf(const FrequencyCurve& plant, const FrequencyCurve& loop, double dt) {
    std::vector<BodePoint> bode(plant.theta.size());
    for (std::size_t i = 0; i < bode.size(); ++i) {
        bode[i] = {plant.theta[i] / dt, MagnitudeDb(plant.value[i]), plant.phaseDeg[i],
                   MagnitudeDb(loop.value[i]), loop.phaseDeg[i]};
    }
    return bode;
}

bool isZero(const FrequencyCurve& curve) {
    return std::all_of(curve.value.begin(), curve.value.end(),
                       [](std::complex<double> value) { return value == 0.0; });
}

const char* noGainCrossoverWhy(const FrequencyCurve& loop) {
    if (isZero(loop)) {
        return FrequencyLabText::kLoopIsZero;
    }
    const bool everAboveOne = std::any_of(loop.value.begin(), loop.value.end(),
                                          [](std::complex<double> value) { return std::abs(value) > 1.0; });
    return everAboveOne ? FrequencyLabText::kLoopGainStaysAboveOne : FrequencyLabText::kLoopGainNeverAboveOne;
}

/// The sentences for a curve without a phase crossover: a curve of 0, one that reaches −180° at the
/// Nyquist frequency only, and any other.
struct NoPhaseCrossoverTexts {
    const char* zero;
    const char* atNyquistOnly;
    const char* neverBelow;
};

const char* noPhaseCrossoverWhy(const FrequencyCurve& curve, const NoPhaseCrossoverTexts& texts) {
    return isZero(curve) ? texts.zero : EndsAtHalfTurn(curve) ? texts.atNyquistOnly : texts.neverBelow;
}

/// A plant chain of 0 with b ≠ 0 is one whose lags pass nothing: 1 − e^(−dt/τ) rounds to 0.
const char* plantIsZeroWhy(const LoopModel& model) {
    return model.b == 0.0 ? FrequencyLabText::kPlantIsZero : FrequencyLabText::kPlantLagsPassNothing;
}

/// The phase margin on the principal branch (−180°, 180°]: a crossover many turns of a long dead time
/// down would otherwise print a margin of thousands of degrees.
double principalPhaseMarginDeg(double crossoverPhaseDeg) {
    const double margin = 180.0 + crossoverPhaseDeg;
    return margin - 360.0 * std::ceil((margin - 180.0) / 360.0);
}

void addUltimatePoint(const LoopModel& model, const Transfer& plant, const FrequencyCurve& curve,
                      FrequencyAnalysis& analysis) {
    const std::optional<FrequencyCrossing> crossing = PhaseCrossing(plant, curve);
    if (!crossing) {
        analysis.ultimatePointWhy =
            noPhaseCrossoverWhy(curve, {plantIsZeroWhy(model), FrequencyLabText::kPlantPhaseAtNyquistOnly,
                                        FrequencyLabText::kPlantPhaseNeverBelow});
        return;
    }
    analysis.figures.ku = 1.0 / std::abs(crossing->value);
    analysis.figures.tu = kTwoPi / (crossing->theta / model.dt);
}

void addGainMargin(const LoopModel& model, const Transfer& loop, const FrequencyCurve& curve,
                   FrequencyAnalysis& analysis) {
    const std::optional<FrequencyCrossing> crossing = PhaseCrossing(loop, curve);
    if (!crossing) {
        analysis.gainMarginWhy = noPhaseCrossoverWhy(curve, {FrequencyLabText::kLoopIsZero,
                                                             FrequencyLabText::kLoopPhaseAtNyquistOnly,
                                                             FrequencyLabText::kLoopPhaseNeverBelow});
        return;
    }
    FrequencyFigures& figures = analysis.figures;
    figures.phaseCrossoverRadS = crossing->theta / model.dt;
    figures.gainMargin = 1.0 / std::abs(crossing->value);
    figures.gainMarginDb = 20.0 * std::log10(figures.gainMargin);
}

void addPhaseMargin(const LoopModel& model, const Transfer& loop, const FrequencyCurve& curve,
                    FrequencyAnalysis& analysis) {
    const std::optional<FrequencyCrossing> crossing = GainCrossing(loop, curve);
    if (!crossing) {
        analysis.phaseMarginWhy = noGainCrossoverWhy(curve);
        return;
    }
    analysis.figures.crossoverRadS = crossing->theta / model.dt;
    analysis.figures.phaseMarginDeg = principalPhaseMarginDeg(crossing->phaseDeg);
}

} // namespace

FrequencyAnalysis AnalyzeFrequency(const SimulationSetup& setup, const PidGains& gains,
                                   const FrequencyRequest& request) {
    FrequencyAnalysis analysis;
    FrequencyFigures& figures = analysis.figures;
    figures.p0 = request.operatingPoint;
    const auto plantSetup = RestingSimulation(setup);
    const double dt = CSimulation::StepSeconds(plantSetup->m_nSimStepMs);
    if (dt == 0.0) {
        analysis.noModelWhy = FrequencyLabText::kNoSampling;
        return analysis;
    }
    const OperatingPoint point = FindOperatingPoint(plantSetup->m_strFormula, dt, request.operatingPoint);
    if (point.failure != nullptr) {
        analysis.noModelWhy = point.failure;
        return analysis;
    }
    figures.t0 = point.t0;
    figures.a = point.a;
    figures.b = point.b;

    const LoopModel model = LoopModelOf(*plantSetup, gains, point);
    const Transfer plant = model.Plant();
    const Transfer loop = model.Loop();
    const std::vector<double> grid =
        FrequencyGrid(std::max<std::size_t>(request.points, 2), LowestGridFraction(plant.delaySteps));
    const FrequencyCurve plantCurve = CurveOf(plant, grid);
    const FrequencyCurve loopCurve = CurveOf(loop, grid);

    analysis.bode = bodeOf(plantCurve, loopCurve, dt);
    addUltimatePoint(model, plant, plantCurve, analysis);
    if (std::fabs(model.a) > 1.0) {
        // The Bode margins of an open loop with a pole outside the unit circle say nothing of the closed
        // loop's stability.
        analysis.gainMarginWhy = analysis.phaseMarginWhy = analysis.msWhy = FrequencyLabText::kPlantUnstable;
        return analysis;
    }
    figures.ms = PeakSensitivity(loop, loopCurve);
    addGainMargin(model, loop, loopCurve, analysis);
    addPhaseMargin(model, loop, loopCurve, analysis);
    return analysis;
}
