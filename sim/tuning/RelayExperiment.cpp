#include "RelayExperiment.h"

#include <algorithm>

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
    if (Measuring()) {
        m_dLowest = std::min(m_dLowest, point);
        m_dHighest = std::max(m_dHighest, point);
    }
    m_dLastPoint = point;
    SwitchOn(point);
}

std::optional<UltimateCycle> CRelayExperiment::Result() const {
    if (!Finished()) {
        return std::nullopt;
    }
    const double amplitude = (m_dHighest - m_dLowest) / 2.0;
    constexpr double kPi = 3.14159265358979323846;
    return UltimateCycle{4.0 * m_settings.amplitude / (kPi * amplitude),
                         (m_dLastMeasuredCrossing - m_dFirstMeasuredCrossing) / kMeasuredCycles};
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
    if (m_nCrossings == kDiscardedCycles + 1) {
        m_dFirstMeasuredCrossing = time;
        m_dLowest = point;
        m_dHighest = point;
    }
    m_dLastMeasuredCrossing = time;
}
