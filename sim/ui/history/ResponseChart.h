#pragma once

#include "ChartPicture.h"

#include <cstdint>
#include <memory>

class CVorlintView;

/// The chart of the steps [firstStep, lastStep] (a run's step numbers) of `view`'s recording, drawn as
/// the history window draws it with the window's series, palette and scales, laid out for the window's
/// size: the picture of one response for a report, whatever the live chart shows.
std::unique_ptr<CChartPicture> RecordedStepsPicture(const CVorlintView& view, std::uint64_t firstStep,
                                                    std::uint64_t lastStep);
