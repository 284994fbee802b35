#include "ClosedLoopRun.h"

#include "KeepGoingPacer.h"
#include "Random.h"

#include <optional>

namespace {

/// Keeps every `stride`-th point, stride chosen so that the whole run fits in kMaxPoints.
class CTraceRecorder {
public:
    CTraceRecorder(ResponseTrace& trace, std::uint64_t steps, double setPoint, double dt, double restPoint)
        : m_trace(trace), m_nStride(steps / (ResponseTrace::kMaxPoints - 1) + 1) {
        m_trace.setPoint = setPoint;
        m_trace.intervalS = static_cast<double>(m_nStride) * dt;
        m_trace.points.reserve(ResponseTrace::kMaxPoints);
        m_trace.points.push_back(restPoint);
    }
    void Add(std::uint64_t step, double point) {
        if (step % m_nStride == 0) {
            m_trace.points.push_back(point);
        }
    }

private:
    ResponseTrace& m_trace;
    std::uint64_t m_nStride;
};

} // namespace

ClosedLoopResponse RunClosedLoop(const SimulationSetup& setup, const PidGains& gains, double setPoint,
                                 std::uint64_t steps, bool withTrace, const KeepGoing& keepGoing) {
    const FreshRandomScope freshRandom;
    const auto simulation = RestingSimulation(setup);
    simulation->SetPid(true);
    simulation->m_dKp = gains.kp;
    simulation->SetKi(gains.ki);
    simulation->m_dKd = gains.kd;
    simulation->m_dSetPoint = setPoint;
    const double dt = CSimulation::StepSeconds(simulation->m_nSimStepMs);

    ClosedLoopResponse response;
    std::optional<CTraceRecorder> recorder;
    if (withTrace) {
        recorder.emplace(response.trace, steps, setPoint, dt, simulation->m_dPoint);
    }
    CKeepGoingPacer pacer(keepGoing);
    for (std::uint64_t step = 1; step <= steps; ++step) {
        if (!pacer.GoOn(step - 1)) {
            response.cancelled = true;
            break;
        }
        simulation->Step();
        if (recorder) {
            recorder->Add(step, simulation->m_dPoint);
        }
    }
    response.figures = simulation->m_stepResponse.Figures();
    return response;
}
