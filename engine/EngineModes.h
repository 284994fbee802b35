#pragma once

/// Values of the engine's angleMode: how the trigonometric and hyperbolic functions read angles. Any
/// other value turns the reduction and conversion of angles off.
enum AngleMode : int {
    kRadians = 0,
    kDegrees = 1,
};

/// Values of the engine's reportMode: what Evaluate does with a failed evaluation. Parse failures are
/// always returned. This program never leaves kReportEveryFailure.
enum ReportMode : int {
    kReportEveryFailure = 0,         // return the code
    kIgnoreFailuresButUndefined = 1, // return 0 instead, except for an undefined name (35)
    kIgnoreFailuresWithoutTrace = 2, // as 1, and write no trace
    kReturnFailuresSilently = 3,     // return the code, as 0 does
};
