#pragma once

#include <cmath>

/// The integrals of a response's error, step by step: each step adds its error times its length, the
/// time weight being T, the time from the start of the response to the end of the step.
struct ErrorIntegrals {
    double iae = 0.0;  ///< integral of |e| dt
    double ise = 0.0;  ///< integral of e² dt
    double itae = 0.0; ///< integral of t·|e| dt

    void Add(double error, double elapsedS, double dt) {
        iae += std::fabs(error) * dt;
        ise += error * error * dt;
        itae += elapsedS * std::fabs(error) * dt;
    }
};
