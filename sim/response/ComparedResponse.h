#pragma once

#include "PidOptions.h"
#include "StepResponseFigures.h"

#include <cstdint>
#include <string>
#include <vector>

class CSimulation;

/// One simulation's latest step response as a comparison of several shows it: its figures, the gains
/// it ran with and its samples from its start, as the run's recording holds them.
struct ComparedResponse {
    StepResponseFigures figures;
    /// The gains in effect at the response's start.
    PidGains gains;
    /// Each sample's T, from the start of the response's first step to the end of the sample's step, in
    /// whole milliseconds: steps are whole milliseconds, so responses of different windows line up
    /// exactly.
    std::vector<std::int64_t> timeMs;
    std::vector<double> points;
};

/// The latest step response of `simulation`, oldest sample first: every step of it that the recording
/// still holds.
ComparedResponse LatestResponse(const CSimulation& simulation);

/// z = (y - y0) / (r - y0) of the point `y` in the response of `figures`; NaN without a step (r = y0).
double NormalizedPoint(double point, const StepResponseFigures& figures);

/// What a comparison shows of `response`: its points, or their z when `normalized`.
std::vector<double> ShownValues(const ComparedResponse& response, bool normalized);

/// The responses as CSV: `time_s`, then one column per response headed by its name in `names`; one
/// row per T at which any response has a sample, earliest first, with an empty cell where a response
/// has none. Numbers as "%.17g" writes them.
std::string ComparedResponsesCsv(const std::vector<std::string>& names,
                                 const std::vector<ComparedResponse>& responses, bool normalized);
