#include "LoopModel.h"

#include "PlantDynamics.h"
#include "SimulationScales.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

/// A first-order filter y(k) = y(k−1) + (x(k) − y(k−1))·β as a transfer: β·z/(z − (1 − β)).
std::complex<double> firstOrderFilter(std::complex<double> z, double beta) {
    return beta * z / (z - (1.0 - beta));
}

} // namespace

std::complex<double> UnitCircle(double theta) {
    return theta == kPi ? std::complex<double>(-1.0, 0.0) : std::polar(1.0, theta);
}

Transfer LoopModel::Plant() const {
    return {[this](double theta) { return PlantRational(theta); }, static_cast<double>(delaySteps) + 1.0};
}

Transfer LoopModel::Loop() const {
    return {[this](double theta) { return Controller(theta) * PlantRational(theta); },
            static_cast<double>(delaySteps) + 1.0};
}

std::complex<double> LoopModel::PlantRational(double theta) const {
    const std::complex<double> z = UnitCircle(theta);
    std::complex<double> chain = b * z / (z - a);
    for (int i = 0; i < lagCount; ++i) {
        chain *= firstOrderFilter(z, lagAlpha);
    }
    return chain;
}

std::complex<double> LoopModel::Controller(double theta) const {
    const std::complex<double> z = UnitCircle(theta);
    std::complex<double> c = gains.kp;
    if (gains.ki != 0.0) {
        c += dt * 0.5 * (z + 1.0) / (z - 1.0) / gains.ki;
    }
    if (gains.kd != 0.0) {
        c += gains.kd * (z - 1.0) / (z * dt) * firstOrderFilter(z, derivativeFilterBeta);
    }
    return c;
}

LoopModel LoopModelOf(const CSimulation& setup, const PidGains& gains, const OperatingPoint& point) {
    LoopModel model;
    model.dt = CSimulation::StepSeconds(setup.m_nSimStepMs);
    model.a = point.a;
    model.b = point.b;
    model.delaySteps = CPlantDynamics::DelaySteps(setup.m_dynamicsSettings.deadTimeS, model.dt);
    model.lagCount = std::clamp(setup.m_dynamicsSettings.lagCount, 0, PlantDynamicsSettings::kMaxLags);
    model.lagAlpha = 1.0 - std::exp(-model.dt / setup.m_dynamicsSettings.lagTauS);
    model.gains = gains;
    const double filterS = setup.m_pidOptions.derivativeFilterS;
    model.derivativeFilterBeta = filterS > 0.0 ? model.dt / (filterS + model.dt) : 1.0;
    return model;
}
