#pragma once

#include "TranslationMark.h"

/// Why a figure of the frequency lab does not exist, in English as the command line prints them; the
/// dialog shows them translated (context "FrequencyLab").
namespace FrequencyLabText {

inline constexpr const char* kNoSampling = QT_TRANSLATE_NOOP(
    "FrequencyLab", "The simulated step is 0 s: a loop that is never sampled has no frequency response.");
inline constexpr const char* kFormulaGivesNoNumber = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The plant formula gives no number near the operating point, so the loop has no linear model there.");
inline constexpr const char* kNoOperatingPoint = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "No power from 0 to 100 holds the point there: the formula moves it the same way at t = 0 and at "
    "t = 100, so the loop has no operating point.");

inline constexpr const char* kLoopIsZero = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The loop gain is 0 at every frequency (every gain is 0, the power does not move the point, or the "
    "lags pass nothing at this step), so there is no crossover and no margin.");
inline constexpr const char* kLoopGainNeverAboveOne = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The loop gain stays at or below 1 up to the Nyquist frequency, so there is no gain crossover and no "
    "phase margin.");
inline constexpr const char* kLoopGainStaysAboveOne = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The loop gain is still above 1 at the Nyquist frequency, so there is no gain crossover and no phase "
    "margin.");

inline constexpr const char* kLoopPhaseAtNyquistOnly = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The loop's phase reaches -180° only at the Nyquist frequency, which is no crossing, so there is no "
    "phase crossover and no gain margin.");
inline constexpr const char* kLoopPhaseNeverBelow = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The loop's phase does not fall below -180° under the Nyquist frequency, so there is no phase "
    "crossover and no gain margin.");

inline constexpr const char* kPlantIsZero = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The power does not move the point at the operating point (b = 0), so the plant has no ultimate point.");
inline constexpr const char* kPlantLagsPassNothing = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The lags' time constant is so long beside the step that each lag passes nothing (1 - e^(-dt/tau) "
    "rounds to 0), so the plant has no ultimate point.");
inline constexpr const char* kPlantUnstable = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The plant is unstable at the operating point (|a| > 1): its margins need the Nyquist criterion, so the "
    "margins, the crossovers and Ms are not given.");
inline constexpr const char* kPlantPhaseAtNyquistOnly = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The plant's phase reaches -180° only at the Nyquist frequency, as a first-order plant's does, so it "
    "has no ultimate point: the cycle a relay finds on it is an artefact of the sampling.");
inline constexpr const char* kPlantPhaseNeverBelow = QT_TRANSLATE_NOOP(
    "FrequencyLab",
    "The plant's phase does not fall below -180° under the Nyquist frequency, so it has no ultimate "
    "point.");

} // namespace FrequencyLabText
