#pragma once

#include "RecordedResponse.h"
#include "SetupLog.h"

#include <cstdint>
#include <memory>
#include <optional>

class CChartPicture;
class CVorlintView;

/// What a report shows of a window's run: a response's figures, its chart and the setup it ran under.
struct LabReportRun {
    std::shared_ptr<const CChartPicture> chart;
    RecordedResponse response;
    /// The setup in effect at the response's start; none when the window noted none (then the report
    /// gives the window's setup now).
    std::optional<SetupValues> setup;
    /// The first and last steps of the run the chart shows; 0 for the live chart.
    std::uint64_t firstShownStep = 0;
    std::uint64_t lastShownStep = 0;
};

/// The run of `response`, a response of `view`'s run: its chart shows it from its start to its
/// settling, or to its end when it has not settled, from the window's recording; with nothing
/// recorded, the live chart.
LabReportRun ResponseRun(const CVorlintView& view, const RecordedResponse& response);
/// The run of the window's latest response, with the figures its meter gives.
LabReportRun LiveRun(const CVorlintView& view);
