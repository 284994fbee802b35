#pragma once

/// How the integral is kept from winding up while the output is clamped.
enum class AntiWindup {
    None,
    Conditional,     ///< the integral stands still while its increment pushes further into the clamp
    BackCalculation, ///< the integral is pulled back by the clamped excess over the tracking time
};

/// The controller variants of industrial practice. The defaults give the plain controller: proportional
/// on the error, derivative on the error, no filter, no anti-windup.
struct PidOptions {
    double setPointWeight = 1.0;          ///< b: the proportional term is (b * setPoint - y) * Kp
    bool derivativeOnMeasurement = false; ///< no derivative kick at a set-point step
    double derivativeFilterS = 0.0;       ///< Tf in simulated seconds; 0 is off
    AntiWindup antiWindup = AntiWindup::None;
    double trackingTimeS = 1.0; ///< Tt of the back-calculation, simulated seconds, > 0
};

inline bool operator==(const PidOptions& a, const PidOptions& b) {
    return a.setPointWeight == b.setPointWeight && a.derivativeOnMeasurement == b.derivativeOnMeasurement &&
           a.derivativeFilterS == b.derivativeFilterS && a.antiWindup == b.antiWindup &&
           a.trackingTimeS == b.trackingTimeS;
}
inline bool operator!=(const PidOptions& a, const PidOptions& b) {
    return !(a == b);
}

/// The gains in this program's form: the integral term is the error's integral divided by ki (0: none).
struct PidGains {
    double kp = 0.0;
    double ki = 0.0;
    double kd = 0.0;
};
