#include "StepTestExperiment.h"

#include <algorithm>
#include <cmath>

CStepTestExperiment::CStepTestExperiment(double stepPower, double initialPoint)
    : m_dStepPower(stepPower), m_points{initialPoint}, m_times{0.0} {}

void CStepTestExperiment::AddStep(double point, double dt) {
    if (Finished()) {
        return;
    }
    // Strictly less: while the point has not moved at all (the dead time) it has not settled either.
    const bool quiet =
        std::fabs(point - m_points.back()) < kQuietFraction * std::fabs(point - m_points.front());
    m_nQuietSteps = quiet ? m_nQuietSteps + 1 : 0;
    m_points.push_back(point);
    m_times.push_back(m_times.back() + dt);
}

std::optional<ProcessModel> CStepTestExperiment::Result() const {
    if (!Finished()) {
        return std::nullopt;
    }
    const double t28 = TimeToReach(0.283);
    const double t63 = TimeToReach(0.632);
    const double tau = 1.5 * (t63 - t28);
    const double theta = t63 - tau;
    return ProcessModel{(m_points.back() - m_points.front()) / m_dStepPower, tau, std::max(0.0, theta),
                        theta};
}

bool CStepTestExperiment::RespondsToPower(double heldPoint) const {
    const double stepChange = std::fabs(m_points.back() - m_points.front());
    if (stepChange == 0.0 && heldPoint == m_points.front()) {
        return false;
    }
    return !(std::fabs(m_points.back() - heldPoint) < kResponseFraction * stepChange);
}

double CStepTestExperiment::TimeToReach(double fraction) const {
    const double start = m_points.front();
    const double change = m_points.back() - start;
    double previous = 0.0;
    for (std::size_t k = 1; k < m_points.size(); ++k) {
        const double reached = (m_points[k] - start) / change;
        if (reached >= fraction) {
            return m_times[k - 1] +
                   (m_times[k] - m_times[k - 1]) * (fraction - previous) / (reached - previous);
        }
        previous = reached;
    }
    return m_times
        .back(); // the last point has gone the whole way: only a point that is not a number gets here
}
