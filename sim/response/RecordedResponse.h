#pragma once

#include "RunRecording.h"
#include "StepResponseFigures.h"

#include <cstddef>
#include <optional>

/// The figures of one response read back from a recording, as the meter gave them live.
struct RecordedResponse {
    StepResponseFigures figures;
    bool stillChanging = false; ///< the response began right after another set-point change
};

/// The start (an index of `recording`) of the response nearest the step at `index`, looking no more
/// than `reach` steps either side: a step whose set point differs from the step before it, or the
/// run's first step. None when no response begins that close.
std::optional<std::size_t> NearestResponseStart(const RunRecording& recording, std::size_t index,
                                                std::size_t reach);

/// The figures of the response that begins at `start` (an index of `recording`), up to the next
/// set-point change or the newest step. The steps are fed to the step-response meter from the oldest
/// one kept, so that the figures are the meter's own; the step numbers count the dropped steps too.
RecordedResponse MeasureRecordedResponse(const RunRecording& recording, std::size_t start);

/// The last step (an index of `recording`) that shows the response beginning at `start`, whose figures
/// are `figures`: the first step inside the settling band for good, or, when it has not settled, its
/// last step (before the next set-point change, or the newest).
std::size_t SettledIndex(const RunRecording& recording, std::size_t start,
                         const StepResponseFigures& figures);
