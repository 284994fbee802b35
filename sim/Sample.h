#pragma once

/// One history entry of a simulation: the seven values of its step, then when the step ended.
struct Sample {
    double setPoint = 0.0;
    double point = 0.0;
    double power = 0.0;
    double proportional = 0.0;
    double integral = 0.0;
    double derivative = 0.0;
    double error = 0.0;
    /// Simulated seconds from the start of the simulation's first step to the end of this one: the sum
    /// of the simulated steps so far, in their order.
    double timeS = 0.0;
};
