#pragma once

/// One history entry of a simulation: the seven values of its step, when the step
/// ended, then what the controller measured.
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
    /// What the controller read of the point before the step: the point itself unless the sensor's
    /// noise or resolution is on.
    double measurement = 0.0;
};
