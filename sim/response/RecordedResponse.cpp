#include "RecordedResponse.h"

#include "StepResponseMeter.h"

namespace {

/// Whether a response begins at `index`: the meter's own test, NaN set points included.
bool BeginsResponse(const RunRecording& recording, std::size_t index) {
    if (index == 0)
        return recording.stepNumber(0) == 1;
    return recording[index].sample.setPoint != recording[index - 1].sample.setPoint;
}

} // namespace

std::optional<std::size_t> NearestResponseStart(const RunRecording& recording, std::size_t index,
                                                std::size_t reach) {
    if (index >= recording.size())
        return std::nullopt;
    for (std::size_t distance = 0; distance <= reach; ++distance) {
        if (distance <= index && BeginsResponse(recording, index - distance))
            return index - distance;
        if (index + distance < recording.size() && BeginsResponse(recording, index + distance))
            return index + distance;
    }
    return std::nullopt;
}

RecordedResponse MeasureRecordedResponse(const RunRecording& recording, std::size_t start) {
    CStepResponseMeter meter;
    for (std::size_t i = 0; i < recording.size(); ++i) {
        if (i > start && BeginsResponse(recording, i))
            break;
        const RecordedStep& step = recording[i];
        meter.Add(step.sample, step.pointBefore, step.dt, step.setPointByHand);
    }
    RecordedResponse response{meter.Figures(), meter.StillChanging()};
    response.figures.responseStartStep += static_cast<double>(recording.stepNumber(0) - 1);
    return response;
}

std::size_t SettledIndex(const RunRecording& recording, std::size_t start,
                         const StepResponseFigures& figures) {
    double elapsed = 0.0;
    for (std::size_t i = start; i < recording.size(); ++i) {
        if (i > start && BeginsResponse(recording, i))
            return i - 1;
        // T summed as the meter sums it, so that the last step outside the band has T = settlingTimeS.
        elapsed += recording[i].dt;
        if (elapsed > figures.settlingTimeS)
            return i;
    }
    return recording.size() - 1;
}
