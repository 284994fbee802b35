#include "PidLaw.h"

#include "SimulationScales.h"

#include <cmath>

namespace {

double integralTerm(double integral, double ki) {
    return ki == 0.0 ? 0.0 : integral / ki;
}

double proportionalTerm(const PidInput& in, double kp, double setPointWeight) {
    // At b = 1 the step's own error is used, so the plain controller's term is kept exactly.
    if (setPointWeight == 1.0) {
        return in.error * kp;
    }
    return (setPointWeight * in.setPoint - in.point) * kp;
}

/// The unclamped output lies beyond a limit and this step's increment moved the integral term further
/// that way.
bool windsUp(double output, double integralTermNow, double integralTermBefore) {
    return (output > kPowerScale.high && integralTermNow > integralTermBefore) ||
           (output < kPowerScale.low && integralTermNow < integralTermBefore);
}

/// The share of the clamped excess the integral term gives back in one step: the exact decay of the
/// excess over dt with time constant Tt. It stays in [0, 1] whatever dt / Tt (1 once exp underflows), so the
/// term never moves past the clamp; the forward-Euler share dt / Tt overshoots it, and diverges, once
/// dt / Tt > 2.
double trackingGain(double dt, double trackingTimeS) {
    return 1.0 - std::exp(-dt / trackingTimeS);
}

} // namespace

PidOutput CPidLaw::Step(const PidInput& in, const PidGains& gains, const PidOptions& options,
                        double& integral, const PidActuator& actuator) {
    // The integral and the error slope work on the error of the newest sample; a zero simulated step has
    // no slope and adds nothing, rather than dividing by zero.
    double increment = 0.0;
    double errorSlope = 0.0;
    if (in.hasPreviousError && in.dt != 0.0) {
        increment = (in.error + in.previousError) * in.dt * 0.5;
        errorSlope = (in.previousError - in.error) / in.dt;
    }
    const double integralBefore = integral;
    integral += increment;

    PidOutput out;
    out.proportional = proportionalTerm(in, gains.kp, options.setPointWeight);
    const double slope = options.derivativeOnMeasurement ? MeasurementSlope(in) : errorSlope;
    out.derivative = Filtered(-(slope * gains.kd), in.dt, options.derivativeFilterS);
    if (actuator.bumplessTransfer && gains.ki != 0.0) {
        integral = (actuator.previousPower - out.proportional - out.derivative) * gains.ki;
    }
    out.integral = integralTerm(integral, gains.ki);
    double output = out.integral + out.derivative + out.proportional;

    if (options.antiWindup == AntiWindup::Conditional &&
        windsUp(output, out.integral, integralTerm(integralBefore, gains.ki))) {
        integral = integralBefore;
        out.integral = integralTerm(integral, gains.ki);
        output = out.integral + out.derivative + out.proportional;
    }
    out.power = actuator.rateLimit.Limit(ClampPower(output));
    // An infinite raw output has no finite excess to track: it would leave the integral infinite, and
    // then not a number for good.
    if (options.antiWindup == AntiWindup::BackCalculation && gains.ki != 0.0 && std::isfinite(output) &&
        options.trackingTimeS > 0.0 && in.dt != 0.0) {
        integral += gains.ki * (out.power - output) * trackingGain(in.dt, options.trackingTimeS);
    }
    // A measurement that is not finite, or terms that overflow, leave the integral as it was: infinite
    // or not a number, it would stay so once the measurement came back, and the controller with it.
    if (!std::isfinite(integral)) {
        integral = integralBefore;
    }
    return out;
}

void CPidLaw::RememberPoint(double pointBeforeStep) {
    m_bHasPreviousPoint = true;
    m_dPreviousPoint = pointBeforeStep;
}

double CPidLaw::ClampPower(double output) {
    if (output > kPowerScale.high) {
        return kPowerScale.high;
    }
    if (output < kPowerScale.low) {
        return kPowerScale.low;
    }
    // A power that is not a number would leave the plant with no result to take.
    return std::isnan(output) ? 0.0 : output;
}

double CPidLaw::MeasurementSlope(const PidInput& in) const {
    if (!m_bHasPreviousPoint || in.dt == 0.0) {
        return 0.0;
    }
    return (in.point - m_dPreviousPoint) / in.dt;
}

double CPidLaw::Filtered(double derivative, double dt, double filterS) {
    if (!(filterS > 0.0)) {
        return derivative;
    }
    const double filtered =
        m_dFilteredDerivative + (derivative - m_dFilteredDerivative) * (dt / (filterS + dt));
    // The filter keeps only a finite value, for the same reason as the integral.
    if (std::isfinite(filtered)) {
        m_dFilteredDerivative = filtered;
    }
    return filtered;
}
