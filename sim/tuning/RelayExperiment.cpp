#include "RelayExperiment.h"

#include <algorithm>
#include <numeric>

namespace {

/// max - min > kMaxSpread * mean.
template <std::size_t N> bool spreadsTooWide(const std::array<double, N>& values) {
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(N);
    return *highest - *lowest > CRelayExperiment::kMaxSpread * mean;
}

} // namespace

CRelayExperiment::CRelayExperiment(const RelaySettings& settings, double initialPoint)
    : m_settings(settings), m_dPower(settings.bias + settings.amplitude), m_dLastPoint(initialPoint) {
    SwitchOn(initialPoint);
}

void CRelayExperiment::AddStep(double point, double dt) {
    if (Finished()) {
        return;
    }
    NoteCrossing(point, dt);
    m_dElapsed += dt;
    if (MeasuredCycle() >= 0 && MeasuredCycle() < kMeasuredCycles) {
        Widen(MeasuredCycle(), point);
    }
    m_dLastPoint = point;
    SwitchOn(point);
}

std::optional<UltimateCycle> CRelayExperiment::Result() const {
    if (!Finished() || !Repeats()) {
        return std::nullopt;
    }
    const double lowest = *std::min_element(m_lowest.begin(), m_lowest.end());
    const double highest = *std::max_element(m_highest.begin(), m_highest.end());
    const double amplitude = (highest - lowest) / 2.0;
    constexpr double kPi = 3.14159265358979323846;
    return UltimateCycle{4.0 * m_settings.amplitude / (kPi * amplitude),
                         (m_crossingTimes.back() - m_crossingTimes.front()) / kMeasuredCycles};
}

bool CRelayExperiment::Repeats() const {
    PerCycle periods;
    PerCycle halfRanges;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        periods[i] = m_crossingTimes[i + 1] - m_crossingTimes[i];
        halfRanges[i] = (m_highest[i] - m_lowest[i]) / 2.0;
    }
    return !spreadsTooWide(periods) && !spreadsTooWide(halfRanges);
}

void CRelayExperiment::SwitchOn(double point) {
    const double error = m_settings.setPoint - point;
    if (error > m_settings.hysteresis) {
        m_dPower = m_settings.bias + m_settings.amplitude;
    } else if (error < -m_settings.hysteresis) {
        m_dPower = m_settings.bias - m_settings.amplitude;
    }
}

void CRelayExperiment::NoteCrossing(double point, double dt) {
    const double r = m_settings.setPoint;
    if (!(m_dLastPoint < r && point >= r)) {
        return;
    }
    const double time = m_dElapsed + dt * (r - m_dLastPoint) / (point - m_dLastPoint);
    ++m_nCrossings;
    const int cycle = MeasuredCycle();
    if (cycle < 0) {
        return;
    }
    m_crossingTimes[static_cast<std::size_t>(cycle)] = time;
    // The crossing's sample ends the cycle before and starts its own.
    if (cycle > 0) {
        Widen(cycle - 1, point);
    }
    if (cycle < kMeasuredCycles) {
        m_lowest[static_cast<std::size_t>(cycle)] = point;
        m_highest[static_cast<std::size_t>(cycle)] = point;
    }
}

void CRelayExperiment::Widen(int cycle, double point) {
    const auto i = static_cast<std::size_t>(cycle);
    m_lowest[i] = std::min(m_lowest[i], point);
    m_highest[i] = std::max(m_highest[i], point);
}
