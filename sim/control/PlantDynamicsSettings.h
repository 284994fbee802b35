#pragma once

/// What stands between the controller's output u and the formula's t: a load disturbance, a dead time
/// and a chain of equal first-order lags. The defaults leave t = u.
struct PlantDynamicsSettings {
    static constexpr int kMaxLags = 5;

    double disturbance = 0.0; ///< added to u, in power units
    double deadTimeS = 0.0;   ///< simulated seconds, >= 0
    int lagCount = 0;         ///< 0 to kMaxLags
    double lagTauS = 1.0;     ///< time constant of each lag, simulated seconds, >= 0

    /// True when t is u itself.
    bool passesThrough() const { return disturbance == 0.0 && deadTimeS == 0.0 && lagCount == 0; }
};

inline bool operator==(const PlantDynamicsSettings& a, const PlantDynamicsSettings& b) {
    return a.disturbance == b.disturbance && a.deadTimeS == b.deadTimeS && a.lagCount == b.lagCount &&
           a.lagTauS == b.lagTauS;
}
inline bool operator!=(const PlantDynamicsSettings& a, const PlantDynamicsSettings& b) {
    return !(a == b);
}
