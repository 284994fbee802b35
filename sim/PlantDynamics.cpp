#include "PlantDynamics.h"

#include <algorithm>
#include <cmath>

double PlantDynamics::apply(const PlantDynamicsSettings& settings, double u, double dt) {
    // The input is recorded even while the dead time is 0, so that a dead time switched on later passes
    // on what really went in.
    if (settings.passesThrough()) {
        delay_.push(u);
        return u;
    }
    const double v = u + settings.disturbance;
    delay_.push(v);
    return applyLags(settings, delay_.delayed(delaySteps(settings.deadTimeS, dt)), dt);
}

void PlantDynamics::clear() {
    delay_.clear();
    lags_.fill(0.0);
}

std::size_t PlantDynamics::delaySteps(double deadTimeS, double dt) {
    if (dt == 0.0) {
        return 0;
    }
    const double steps = std::round(deadTimeS / dt);
    if (!(steps > 0.0)) {
        return 0;
    }
    return steps >= DelayLine::kMaxDelay ? DelayLine::kMaxDelay : static_cast<std::size_t>(steps);
}

double PlantDynamics::applyLags(const PlantDynamicsSettings& settings, double in, double dt) {
    const int count = std::clamp(settings.lagCount, 0, PlantDynamicsSettings::kMaxLags);
    if (count == 0) {
        return in;
    }
    const double a = dt == 0.0 ? 0.0 : 1.0 - std::exp(-dt / settings.lagTauS);
    for (int i = 0; i < count; ++i) {
        lags_[i] = lags_[i] + (in - lags_[i]) * a;
        in = lags_[i];
    }
    return in;
}
