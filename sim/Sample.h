#pragma once

/// One history entry of a simulation.
struct Sample {
    double setPoint = 0.0;
    double point = 0.0;
    double power = 0.0;
    double proportional = 0.0;
    double integral = 0.0;
    double derivative = 0.0;
    double error = 0.0;
    /// Simulated seconds from the start of the run to the end of this step.
    double time = 0.0;
};
