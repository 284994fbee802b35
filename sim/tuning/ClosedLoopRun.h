#pragma once

#include "ExperimentRunner.h"
#include "PidOptions.h"
#include "SimulationSetup.h"
#include "StepResponseFigures.h"

#include <cstdint>
#include <vector>

/// A response thinned out for a small plot: the point at rest, then the point every `intervalS`
/// simulated seconds.
struct ResponseTrace {
    static constexpr std::size_t kMaxPoints = 401;

    double setPoint = 0.0;
    double intervalS = 0.0;
    std::vector<double> points; ///< at most kMaxPoints
};

/// What a closed-loop run gives: the figures of the response to the set point and, when asked for, its trace.
struct ClosedLoopResponse {
    StepResponseFigures figures;
    ResponseTrace trace;
    bool cancelled = false; ///< keepGoing said so; the figures are those of the steps run
};

/// Runs `steps` PID steps with `gains` on a simulation with `setup`, from rest to `setPoint`, the
/// formula's random generator started afresh, and measures the response (figures of the step-response
/// meter). `keepGoing` is asked at the first step and then every kKeepGoingPeriod with the steps done.
ClosedLoopResponse RunClosedLoop(const SimulationSetup& setup, const PidGains& gains, double setPoint,
                                 std::uint64_t steps, bool withTrace = false,
                                 const KeepGoing& keepGoing = {});
