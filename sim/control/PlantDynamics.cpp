#include "PlantDynamics.h"

#include <algorithm>
#include <cmath>

double CPlantDynamics::Apply(const PlantDynamicsSettings& settings, double u, double dt) {
    // The input is recorded even while the dead time is 0, so that a dead time switched on again later
    // passes on what really went in, as far back as the line reaches.
    if (settings.passesThrough()) {
        m_delay.Pass(u, 0);
        return u;
    }
    const double v = u + settings.disturbance;
    return ApplyLags(settings, m_delay.Pass(v, DelaySteps(settings.deadTimeS, dt)), dt);
}

void CPlantDynamics::Clear() {
    m_delay.Clear();
    m_lags.fill(0.0);
}

std::size_t CPlantDynamics::DelaySteps(double deadTimeS, double dt) {
    if (dt == 0.0) {
        return 0;
    }
    const double steps = std::round(deadTimeS / dt);
    if (!(steps > 0.0)) {
        return 0;
    }
    return steps >= CDelayLine::kMaxDelay ? CDelayLine::kMaxDelay : static_cast<std::size_t>(steps);
}

double CPlantDynamics::ApplyLags(const PlantDynamicsSettings& settings, double in, double dt) {
    const int count = std::clamp(settings.lagCount, 0, PlantDynamicsSettings::kMaxLags);
    if (count == 0) {
        return in;
    }
    const double a = dt == 0.0 ? 0.0 : 1.0 - std::exp(-dt / settings.lagTauS);
    for (int i = 0; i < count; ++i) {
        m_lags[i] = m_lags[i] + (in - m_lags[i]) * a;
        in = m_lags[i];
    }
    return in;
}
