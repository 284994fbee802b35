#include "TuningRules.h"

#include "TranslationMark.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kNoIntegral = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TextbookGains proportionalOnly(double kc) {
    return {kc, kNoIntegral, 0.0};
}

// Ziegler and Nichols's reaction-curve rules, read on the first order with dead time.
TextbookGains zieglerNicholsOpenLoopPi(const ProcessModel& m) {
    return {0.9 * m.tau / (m.k * m.theta), m.theta / 0.3, 0.0};
}

TextbookGains zieglerNicholsOpenLoopPid(const ProcessModel& m) {
    return {1.2 * m.tau / (m.k * m.theta), 2.0 * m.theta, 0.5 * m.theta};
}

// Cohen and Coon's 1953 formulas, with r = θ / τ.
TextbookGains cohenCoonPi(const ProcessModel& m) {
    const double r = m.theta / m.tau;
    return {(0.9 + r / 12.0) / (m.k * r), m.theta * (30.0 + 3.0 * r) / (9.0 + 20.0 * r), 0.0};
}

TextbookGains cohenCoonPid(const ProcessModel& m) {
    const double r = m.theta / m.tau;
    return {(4.0 / 3.0 + r / 4.0) / (m.k * r), m.theta * (32.0 + 6.0 * r) / (13.0 + 8.0 * r),
            m.theta * 4.0 / (11.0 + 2.0 * r)};
}

// Skogestad's SIMC PI with the closed-loop time constant τc = θ (tight and robust); a plant without dead
// time gets τc = τ / 10 instead of an infinite gain.
TextbookGains simcPi(const ProcessModel& m) {
    const double tauC = m.theta > 0.0 ? m.theta : m.tau / 10.0;
    return {m.tau / (m.k * (tauC + m.theta)), std::min(m.tau, 4.0 * (tauC + m.theta)), 0.0};
}

// Rivera, Morari and Skogestad's IMC PID for the first order with dead time (first-order Padé of the dead
// time), with the filter time λ = max(0.8 θ, τ / 10): their robustness bound λ > 0.8 θ, kept from zero
// for a plant without dead time.
TextbookGains imcPid(const ProcessModel& m) {
    const double lambda = std::max(0.8 * m.theta, m.tau / 10.0);
    const double ti = m.tau + m.theta / 2.0;
    return {ti / (m.k * (lambda + m.theta / 2.0)), ti, m.tau * m.theta / (2.0 * m.tau + m.theta)};
}

// Åström and Hägglund's AMIGO rules, fitted to a large test batch of processes for robustness
// (maximum sensitivity 1.4).
TextbookGains amigoPi(const ProcessModel& m) {
    const double sum = m.theta + m.tau;
    const double kc = 0.15 + (0.35 - m.theta * m.tau / (sum * sum)) * m.tau / m.theta;
    const double ti = 0.35 * m.theta + 13.0 * m.theta * m.tau * m.tau /
                                           (m.tau * m.tau + 12.0 * m.theta * m.tau + 7.0 * m.theta * m.theta);
    return {kc / m.k, ti, 0.0};
}

TextbookGains amigoPid(const ProcessModel& m) {
    return {(0.2 + 0.45 * m.tau / m.theta) / m.k,
            m.theta * (0.4 * m.theta + 0.8 * m.tau) / (m.theta + 0.1 * m.tau),
            0.5 * m.theta * m.tau / (0.3 * m.theta + m.tau)};
}

// The lambda rule with the closed-loop time constant λ = τ: the loop as fast as the open plant.
TextbookGains lambdaPi(const ProcessModel& m) {
    const double lambda = m.tau;
    return {m.tau / (m.k * (lambda + m.theta)), m.tau, 0.0};
}

/// The rules that divide by the dead time do not apply without one.
TextbookGains needingDeadTime(const ProcessModel& m, TextbookGains (*rule)(const ProcessModel&)) {
    return m.theta > 0.0 ? rule(m) : TextbookGains{kNaN, kNaN, kNaN};
}

} // namespace

PidGains toProgramGains(const TextbookGains& gains) {
    const bool integral = !std::isinf(gains.ti);
    return {gains.kc, integral ? gains.ti / gains.kc : 0.0, gains.kc * gains.td};
}

std::array<TuningRule, 7> ultimateCycleRules(const UltimateCycle& c) {
    return {{
        {QT_TRANSLATE_NOOP("TuningRules", "Ziegler-Nichols P"), proportionalOnly(0.5 * c.ku)},
        {QT_TRANSLATE_NOOP("TuningRules", "Ziegler-Nichols PI"), {0.45 * c.ku, c.tu / 1.2, 0.0}},
        {QT_TRANSLATE_NOOP("TuningRules", "Ziegler-Nichols PID"), {0.6 * c.ku, c.tu / 2.0, c.tu / 8.0}},
        {QT_TRANSLATE_NOOP("TuningRules", "Ziegler-Nichols some overshoot"),
         {c.ku / 3.0, c.tu / 2.0, c.tu / 3.0}},
        {QT_TRANSLATE_NOOP("TuningRules", "Ziegler-Nichols no overshoot"),
         {c.ku / 5.0, c.tu / 2.0, c.tu / 3.0}},
        {QT_TRANSLATE_NOOP("TuningRules", "Tyreus-Luyben PI"), {c.ku / 3.2, 2.2 * c.tu, 0.0}},
        {QT_TRANSLATE_NOOP("TuningRules", "Tyreus-Luyben PID"), {c.ku / 2.2, 2.2 * c.tu, c.tu / 6.3}},
    }};
}

std::array<TuningRule, 9> processModelRules(const ProcessModel& m) {
    return {{
        {QT_TRANSLATE_NOOP("TuningRules", "Ziegler-Nichols open-loop PI"),
         needingDeadTime(m, zieglerNicholsOpenLoopPi)},
        {QT_TRANSLATE_NOOP("TuningRules", "Ziegler-Nichols open-loop PID"),
         needingDeadTime(m, zieglerNicholsOpenLoopPid)},
        {QT_TRANSLATE_NOOP("TuningRules", "Cohen-Coon PI"), needingDeadTime(m, cohenCoonPi)},
        {QT_TRANSLATE_NOOP("TuningRules", "Cohen-Coon PID"), needingDeadTime(m, cohenCoonPid)},
        {QT_TRANSLATE_NOOP("TuningRules", "SIMC PI"), simcPi(m)},
        {QT_TRANSLATE_NOOP("TuningRules", "IMC PID"), imcPid(m)},
        {QT_TRANSLATE_NOOP("TuningRules", "AMIGO PI"), needingDeadTime(m, amigoPi)},
        {QT_TRANSLATE_NOOP("TuningRules", "AMIGO PID"), needingDeadTime(m, amigoPid)},
        {QT_TRANSLATE_NOOP("TuningRules", "Lambda PI"), lambdaPi(m)},
    }};
}
