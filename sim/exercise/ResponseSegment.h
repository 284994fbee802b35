#pragma once

#include "DisturbanceFigures.h"
#include "DisturbanceMeter.h"
#include "Simulation.h"
#include "StepResponseFigures.h"
#include "StepResponseMeter.h"

#include <cstdint>

/// The steps of a run that make the response to one change: from `fromStep` to `toStep`, both counted
/// from 1 and included. Empty when toStep is before fromStep.
struct ResponseSegment {
    std::uint64_t fromStep = 1;
    std::uint64_t toStep = 0;
};

/// What a response answers: a set-point step, or a load disturbance under a set point that stays.
enum class ResponseKind { SetPointStep, LoadDisturbance };

/// The figures of one segment: those of its kind are the ones it gives.
struct ResponseFigures {
    ResponseKind kind = ResponseKind::SetPointStep;
    StepResponseFigures step;
    DisturbanceFigures disturbance;
};

/// The figure of `figures`' kind named `name`; NaN when that kind has no figure of that name.
double figureNamed(const ResponseFigures& figures, const char* name);

/// The values a step's changes may move that tell which kind of response begins there.
struct ResponseDrivers {
    double setPoint = 0.0;
    double disturbance = 0.0;
};
ResponseDrivers responseDrivers(const CSimulation& simulation);

/// Measures one segment of a run as the steps come: the step-response meter fed from the segment's
/// first step, exactly as it measures a response that begins there, and the load-disturbance meter
/// beside it. The segment is a load disturbance's when its first step's changes leave the set point
/// and move the disturbance.
class CResponseSegmentMeter {
public:
    explicit CResponseSegmentMeter(ResponseSegment segment) : m_segment(segment) {}

    /// Takes step `step` of the run, just run by `simulation`: `before` as the step's changes found
    /// them, `pointBefore` the point the step began from. Steps outside the segment are passed over.
    void Add(std::uint64_t step, const ResponseDrivers& before, double pointBefore,
             const CSimulation& simulation);
    ResponseFigures Figures() const;

private:
    ResponseSegment m_segment;
    ResponseKind m_kind = ResponseKind::SetPointStep;
    CStepResponseMeter m_step;
    CDisturbanceMeter m_disturbance;
};

/// Runs step `step` of a run: `applyChanges()` makes the changes due before it, `simulation` steps,
/// and each of `meters` takes the step.
template <typename ApplyChanges, typename Meters>
void stepMeasured(CSimulation& simulation, std::uint64_t step, ApplyChanges applyChanges, Meters& meters) {
    const ResponseDrivers before = responseDrivers(simulation);
    applyChanges();
    const double pointBefore = simulation.m_dPoint;
    simulation.Step();
    for (CResponseSegmentMeter& meter : meters)
        meter.Add(step, before, pointBefore, simulation);
}
