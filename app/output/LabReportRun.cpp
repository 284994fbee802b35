#include "LabReportRun.h"

#include "ResponseChart.h"
#include "VorlintView.h"

#include <cmath>

LabReportRun ResponseRun(const CVorlintView& view, const RecordedResponse& response) {
    // The live chart belongs to the window, which outlives the report.
    LabReportRun run{std::shared_ptr<const CChartPicture>(std::shared_ptr<void>(), &view), response, {}};
    const RunRecording& recording = view.m_recording;
    const double startStep = response.figures.responseStartStep;
    if (recording.empty() || std::isnan(startStep))
        return run;
    const auto step = static_cast<std::uint64_t>(startStep);
    // A response older than the recording's oldest step is shown from that step.
    const std::size_t start = step > recording.stepNumber(0) ? step - recording.stepNumber(0) : 0;
    const std::size_t end = SettledIndex(recording, start, response.figures);
    run.firstShownStep = recording.stepNumber(start);
    run.lastShownStep = recording.stepNumber(end);
    run.chart = RecordedStepsPicture(view, run.firstShownStep, run.lastShownStep);
    if (const SetupValues* setup = view.m_setups.At(step))
        run.setup = *setup;
    return run;
}

LabReportRun LiveRun(const CVorlintView& view) {
    return ResponseRun(view, {view.m_stepResponse.Figures(), view.m_stepResponse.StillChanging()});
}
